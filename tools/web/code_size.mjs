// The gzipped size of the site's code, as a download would take it: what the
// calculator loads on a first visit (its one page: the manifest and the
// worker come a second later, each screen when it is opened), each screen's
// own files (its script and style, under screens/NAME/), and all of it; and
// the budget each must keep, in bytes. All the code's grows with the
// screens' table: what the calculator and the screens share (with the QR
// code library the match screen's card box loads, up to 6 KB), and a
// screen's budget for each screen listed.
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

export const budget = { firstTap: 17_000, screen: 7_000, shared: 24_000 };

export async function codeSize(site) {
  const code = (await readdir(site, { recursive: true })).filter((file) => /\.(html|css|js|wasm|webmanifest)$/.test(file));
  const sizes = Object.fromEntries(await Promise.all(code.map(async (file) =>
    [file, gzipSync(await readFile(join(site, file)), { level: 9 }).length])));
  const screens = {};
  for (const [file, size] of Object.entries(sizes)) {
    const name = /^screens\/([^/]+)\//.exec(file.replaceAll('\\', '/'))?.[1];
    if (name) screens[name] = (screens[name] ?? 0) + size;
  }
  return { files: code, firstTap: sizes['index.html'], screens, all: Object.values(sizes).reduce((sum, size) => sum + size, 0) };
}
