// Writes the page's script and the engine, in hexadecimal, into the page, so that
// the calculator starts from this one file; the page's script and style go
// in compacted. The files it loads later are named by their digests, each
// name written into the files that load it, so that a page only ever loads
// files of its own version, with or without the service worker.
//   node inline_page.mjs PAGE SCRIPT ENGINE SITE LATER...
// LATER lists each file after the files it loads.
import { createHash } from 'node:crypto';
import { readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { basename, extname, join } from 'node:path';
import { compactScript, compactStyle } from './compact.mjs';

const [page, script, engine, site, ...later] = process.argv.slice(2);
const compact = (file, text) => (file.endsWith('.css') ? compactStyle : compactScript)(text);

// "match.js" becomes "match.1f2e3d4c5b.js"; an earlier build's copies go.
const names = new Map();
const named = (text) => [...names].reduce((done, [plain, sealed]) =>
  done.replace(new RegExp(`(?<=['"/])${plain.replaceAll('.', '\\.')}(?=['"])`, 'g'), sealed), text);
const existing = await readdir(site).catch(() => []);
for (const file of later) {
  const plain = basename(file);
  const [stem, type] = [basename(plain, extname(plain)), extname(plain)];
  const text = named(compact(file, await readFile(file, 'utf8')));
  const sealed = `${stem}.${createHash('sha256').update(text).digest('hex').slice(0, 10)}${type}`;
  const stale = existing.filter((name) => new RegExp(`^${stem}\\.[0-9a-f]{10}\\${type}$`).test(name));
  await Promise.all(stale.map((name) => rm(join(site, name))));
  await writeFile(join(site, sealed), text);
  names.set(plain, sealed);
}

const code = named(compactScript(await readFile(script, 'utf8')));
// Hexadecimal keeps the engine's bytes whole, which gzip packs a seventh
// tighter than base64.
const hex = (await readFile(engine)).toString('hex');
// Functions as replacements, so that no "$" in the script is read as a pattern.
const html = (await readFile(page, 'utf8')).replace(/(?<=<style>)[^]*?(?=<\/style>)/, compactStyle)
  .replace('@SCRIPT@', () => `\n${code}`).replace('@ENGINE@', () => hex);
await writeFile(join(site, 'index.html'), html);
