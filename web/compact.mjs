// Leaves out what only a reader of the sources needs, comments and
// indentation, from the scripts and style sheets the site serves: a fifth of
// their gzipped size. No line of a script begins a string with "//".
//   node compact.mjs IN OUT
import { readFile, writeFile } from 'node:fs/promises';
import { pathToFileURL } from 'node:url';

const lines = (text) => text.split('\n').map((line) => line.trim()).filter(Boolean);
export const compactScript = (text) => lines(text).filter((line) => !line.startsWith('//')).join('\n');
// Style sheets also lose the blanks around their punctuation (none of theirs
// stands in a string).
export const compactStyle = (text) => lines(text.replace(/\/\*[^]*?\*\//g, '')).join('\n')
  .replace(/\s*([{};,>])\s*/g, '$1').replace(/:\s+/g, ':');

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [from, to] = process.argv.slice(2);
  const compact = from.endsWith('.css') ? compactStyle : compactScript;
  await writeFile(to, compact(await readFile(from, 'utf8')));
}
