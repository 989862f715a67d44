// Writes the page's script and the engine, in base64, into the page, so that
// the calculator starts from this one file.
//   node inline_page.mjs PAGE SCRIPT ENGINE OUT
import { readFile, writeFile } from 'node:fs/promises';

const [page, script, engine, out] = process.argv.slice(2);
const code = await readFile(script, 'utf8');
const base64 = (await readFile(engine)).toString('base64');
// Functions as replacements, so that no "$" in the script is read as a pattern.
const html = (await readFile(page, 'utf8')).replace('@SCRIPT@', () => `\n${code}`).replace('@ENGINE@', () => base64);
await writeFile(out, html);
