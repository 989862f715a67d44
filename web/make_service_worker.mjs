// Writes SITE/sw.js from its template: every file of the site with the digest
// the service worker checks it against, and a cache name made of the version
// and a digest of them all, so that any change to the site is a new version.
//   node make_service_worker.mjs TEMPLATE SITE VERSION
import { createHash } from 'node:crypto';
import { readdir, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';

const [template, site, version] = process.argv.slice(2);
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
  [file, `sha256-${createHash('sha256').update(await readFile(join(site, file))).digest('base64')}`])));
// The site's address stands for its start page.
const entries = [['./', digests['index.html']], ...files.map((file) => [`./${file}`, digests[file]])];
const all = createHash('sha256').update(JSON.stringify(entries)).digest('hex').slice(0, 12);
const worker = (await readFile(template, 'utf8'))
  .replace('@CACHE_NAME@', `quimbel-${version}-${all}`)
  .replace('@FILES@', entries.map(([url, digest]) => `  '${url}': '${digest}',\n`).join(''));
await writeFile(join(site, 'sw.js'), worker);
