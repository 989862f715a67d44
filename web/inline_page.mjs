// Writes the page's script and the engine, in hexadecimal, into the page, so that
// the calculator starts from this one file; the page's script and style go
// in compacted.
//   node inline_page.mjs PAGE SCRIPT ENGINE OUT
import { readFile, writeFile } from 'node:fs/promises';
import { compactScript, compactStyle } from './compact.mjs';

const [page, script, engine, out] = process.argv.slice(2);
const code = compactScript(await readFile(script, 'utf8'));
// Hexadecimal keeps the engine's bytes whole, which gzip packs a seventh
// tighter than base64.
const hex = (await readFile(engine)).toString('hex');
// Functions as replacements, so that no "$" in the script is read as a pattern.
const html = (await readFile(page, 'utf8')).replace(/(?<=<style>)[^]*?(?=<\/style>)/, compactStyle)
  .replace('@SCRIPT@', () => `\n${code}`).replace('@ENGINE@', () => hex);
await writeFile(out, html);
