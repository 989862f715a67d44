// The gzipped size of the site's code, as a download would take it: what the
// calculator loads on a first visit (its one page: the manifest and the
// worker come a second later, each screen when it is opened), each screen's
// own files (its script and style, under screens/NAME/), the module the match
// screen loads only to show a card, with its QR code, and all of it; and the
// budget each must keep, in bytes: each screen its own, by its name (one not
// named has none, so it is given one as it is added). All the code's grows
// with the screens' table: what the calculator and the screens share (with
// the pairs session's arithmetic and the card's module), and each listed
// screen's budget.
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

export const budget = { firstTap: 17_000, screens: { match: 7_350, pairs: 9_000 }, card: 6_000, shared: 28_600 };
export const screenBudget = (name) => budget.screens[name] ?? 0;
const cardModule = /card_box\.[0-9a-f]{10}\.js$/;

export async function codeSize(site) {
  const code = (await readdir(site, { recursive: true })).filter((file) => /\.(html|css|js|wasm|webmanifest)$/.test(file));
  const sizes = Object.fromEntries(await Promise.all(code.map(async (file) =>
    [file, gzipSync(await readFile(join(site, file)), { level: 9 }).length])));
  const screens = {};
  let card = 0;
  for (const [file, size] of Object.entries(sizes)) {
    if (cardModule.test(file)) {
      card += size;
      continue;
    }
    const name = /^screens\/([^/]+)\//.exec(file.replaceAll('\\', '/'))?.[1];
    if (name) screens[name] = (screens[name] ?? 0) + size;
  }
  return { files: code, firstTap: sizes['index.html'], screens, card, all: Object.values(sizes).reduce((sum, size) => sum + size, 0) };
}
