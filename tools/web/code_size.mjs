// The gzipped size of the site's code, as a download would take it: what the
// calculator loads before its first tap (its one page: the manifest and the
// worker come a second later, the match screen when it is opened), and all
// of it; and the budget each must keep, in bytes.
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

export const budget = { firstTap: 17_000, all: 24_000 };

export async function codeSize(site) {
  const code = (await readdir(site, { recursive: true })).filter((file) => /\.(html|css|js|wasm|webmanifest)$/.test(file));
  const sizes = Object.fromEntries(await Promise.all(code.map(async (file) =>
    [file, gzipSync(await readFile(join(site, file)), { level: 9 }).length])));
  return { files: code, firstTap: sizes['index.html'], all: Object.values(sizes).reduce((sum, size) => sum + size, 0) };
}
