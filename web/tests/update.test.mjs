// Updates reach an installed page on a host that lets browsers cache every
// file for ten minutes: a half-published version never runs and leaves the
// installed one working; a whole one runs, whole, at the next start at the
// latest, then offline, with no old cache left.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { keyTypicalRequest, persistentContext, site } from '../../tools/web/chromium.mjs';
import { serve } from '../../tools/web/serve.mjs';

const web = fileURLToPath(new URL('..', import.meta.url));
const cacheName = async (folder) => (await readFile(join(folder, 'sw.js'), 'utf8')).match(/CACHE = '([^']+)'/)[1];

// Version B: the built site with a mark in its page and in its script,
// sealed as the build seals it.
async function secondVersion(folder) {
  await cp(site, folder, { recursive: true });
  const index = join(folder, 'index.html');
  await writeFile(index, (await readFile(index, 'utf8')).replace('<head>', '<head>\n<meta name="build" content="B">')
    .replace('<script type="module">', "<script type=\"module\">document.documentElement.dataset.build = 'B';"));
  execFileSync(process.execPath, [join(web, 'digest_site.mjs'), join(web, 'sw.js.in'), folder, '1.00']);
}

// Which version the page and its script came from.
const versions = (page) => page.evaluate(() => [document.querySelector('meta[name=build]')?.content ?? 'A',
  document.documentElement.dataset.build ?? 'A']);

// Asks for the new version and waits until it is installed or given up.
const checkForUpdate = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.ready;
  await registration.update().catch(() => {});
  const worker = registration.installing;
  if (worker) await new Promise((settled) => worker.addEventListener('statechange', () => {
    if (worker.state !== 'installing') settled();
  }));
});
const cacheNames = (page) => page.evaluate(() => caches.keys());

// Resolves when the newest worker, the one waiting to take over, has done so
// (or after ten seconds, for the checks to tell), watched from a blank page
// that is no client of the site's worker.
async function newestVersionActivated(context) {
  const blank = await context.newPage();
  const devtools = await context.newCDPSession(blank);
  const activated = new Promise((resolve) => {
    setTimeout(resolve, 10_000).unref();
    let newest = { versionId: -1 };
    devtools.on('ServiceWorker.workerVersionUpdated', ({ versions }) => {
      for (const version of versions) {
        const id = Number(version.versionId);
        if (id >= newest.versionId) newest = { ...version, versionId: id };
      }
      if (newest.status === 'activated') resolve();
    });
  });
  await devtools.send('ServiceWorker.enable');
  return activated.then(() => blank.close());
}

test('a new version reaches an installed page whole; a half-published one never runs', async () => {
  const work = await mkdtemp(join(tmpdir(), 'quimbel-update-'));
  const [published, b] = [join(work, 'published'), join(work, 'b')];
  await cp(site, published, { recursive: true });
  await secondVersion(b);
  const server = await serve(published, { cacheControl: 'public, max-age=600' });
  const { context, close } = await persistentContext();
  const start = async () => {
    const page = await context.newPage();
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    return page;
  };
  try {
    await (await start()).close();

    // Half published: B's worker over A's page.
    await cp(join(b, 'sw.js'), join(published, 'sw.js'));
    let page = await start();
    await checkForUpdate(page);
    assert.deepEqual(await versions(page), ['A', 'A'], 'half published');
    assert.deepEqual(await cacheNames(page), [await cacheName(site)], 'half published');
    await page.close();

    await cp(b, published, { recursive: true });
    page = await start();
    await checkForUpdate(page);
    const activated = newestVersionActivated(context);
    await page.close();
    // The next start comes once the browser has seen the last page go.
    await activated;

    page = await start();
    assert.deepEqual(await versions(page), ['B', 'B'], 'the next start');
    assert.deepEqual(await cacheNames(page), [await cacheName(b)], 'the next start');
    await server.close();
    await page.reload();
    assert.deepEqual(await versions(page), ['B', 'B'], 'offline');
    await keyTypicalRequest(page);
  } finally {
    await Promise.all([close(), server.close()]);
    await rm(work, { recursive: true, force: true });
  }
});
