// Seals the site with digests: the page's inline style sheet and script,
// which its Content-Security-Policy allows by their digests alone, and every
// file, which the service worker checks before it keeps a version; and names
// that version's cache by a digest of them all, so any change makes a new one.
// Run again after the page changes, it seals it anew.
//   node digest_site.mjs SW_TEMPLATE SITE VERSION
import { createHash } from 'node:crypto';
import { readdir, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { compactScript } from './compact.mjs';
import { cachePrefix, leavingWord } from './worker_names.mjs';

const [template, site, version] = process.argv.slice(2);
const sha256 = (data) => `sha256-${createHash('sha256').update(data).digest('base64')}`;

const index = join(site, 'index.html');
const page = await readFile(index, 'utf8');
const style = page.match(/<style>([^]*?)<\/style>/)[1];
const script = page.match(/<script type="module">([^]*?)<\/script>/)[1];
await writeFile(index, page.replace(/style-src '[^']*'/, `style-src '${sha256(style)}'`)
  .replace(/script-src '[^']*'/, `script-src '${sha256(script)}'`));

async function filesUnder(folder, prefix = '') {
  const found = [];
  for (const entry of await readdir(folder, { withFileTypes: true })) {
    const name = prefix + entry.name;
    if (entry.isDirectory()) found.push(...await filesUnder(join(folder, entry.name), `${name}/`));
    else found.push(name);
  }
  return found;
}
const files = (await filesUnder(site)).filter((file) => file !== 'sw.js').sort();
const digests = Object.fromEntries(await Promise.all(files.map(async (file) =>
  [file, sha256(await readFile(join(site, file)))])));
// The site's address stands for its start page.
const entries = [['./', digests['index.html']], ...files.map((file) => [`./${file}`, digests[file]])];
const all = createHash('sha256').update(JSON.stringify(entries)).digest('hex').slice(0, 12);
// A classic script, as every browser's service worker is.
const worker = await compactScript((await readFile(template, 'utf8'))
  .replace('@CACHE_NAME@', `${cachePrefix}${version}-${all}`)
  .replace('@CACHE_PREFIX@', cachePrefix).replace('@LEAVING@', leavingWord)
  .replace('@FILES@', entries.map(([url, digest]) => `  '${url}': '${digest}',\n`).join('')), { module: false });
await writeFile(join(site, 'sw.js'), worker);
