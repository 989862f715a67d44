// Seals the site with digests: the page's inline style sheet, which its
// Content-Security-Policy allows by its digest alone, and every file, which
// the service worker checks before it keeps a version; and names that
// version's cache by a digest of them all, so any change makes a new one.
//   node digest_site.mjs SW_TEMPLATE SITE VERSION [PAGE]
// PAGE, the built page with @STYLE_DIGEST@ in its policy, becomes SITE/index.html.
import { createHash } from 'node:crypto';
import { readdir, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';

const [template, site, version, page] = process.argv.slice(2);
const sha256 = (data) => `sha256-${createHash('sha256').update(data).digest('base64')}`;

if (page) {
  const html = await readFile(page, 'utf8');
  const style = html.match(/<style>([^]*?)<\/style>/)[1];
  await writeFile(join(site, 'index.html'), html.replace('@STYLE_DIGEST@', sha256(style)));
}

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
const worker = (await readFile(template, 'utf8'))
  .replace('@CACHE_NAME@', `quimbel-${version}-${all}`)
  .replace('@FILES@', entries.map(([url, digest]) => `  '${url}': '${digest}',\n`).join(''));
await writeFile(join(site, 'sw.js'), worker);
