// The page installed, and its updates, on a host that lets browsers cache
// every file for ten minutes: Chromium finds nothing against installing it; a
// half-published version never runs and leaves the installed one working; a
// whole one runs, whole, once its one open tab is reloaded, with the match in
// progress, then offline, with no old cache left.
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
  const version = (await cacheName(site)).split('-')[1];
  execFileSync(process.execPath, [join(web, 'digest_site.mjs'), join(web, 'sw.js.in'), folder, version]);
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

test('installable; a new version reaches it whole at a reload; a half-published one never runs', async () => {
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
    const installed = await start();
    const cdp = await context.newCDPSession(installed);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    await installed.close();

    // Half published: B's worker over A's page.
    await cp(join(b, 'sw.js'), join(published, 'sw.js'));
    let page = await start();
    await checkForUpdate(page);
    assert.deepEqual(await versions(page), ['A', 'A'], 'half published');
    assert.deepEqual(await cacheNames(page), [await cacheName(site)], 'half published');
    await page.close();

    await cp(b, published, { recursive: true });
    page = await start();
    // A match in progress, which the update keeps.
    await page.evaluate(() => localStorage.setItem('quimbel.match',
      '{"version":1,"boards":[[620,-650]],"draft":{"Own":"14","Other":"","editing":null}}'));
    await checkForUpdate(page);
    // A tab kept open and only reloaded: the page comes again from B.
    await page.reload();
    await page.waitForSelector('meta[name=build]', { state: 'attached' });
    await page.evaluate(() => navigator.serviceWorker.ready);
    assert.deepEqual(await versions(page), ['B', 'B'], 'a reload');
    assert.deepEqual(await cacheNames(page), [await cacheName(b)], 'a reload');
    await page.click('#Match');
    await page.locator('#Total', { hasText: '-1 IMP' }).waitFor();
    assert.equal(await page.inputValue('#Own'), '14');
    await page.click('#MatchBack');
    await server.close();
    await page.reload();
    assert.deepEqual(await versions(page), ['B', 'B'], 'offline');
    await keyTypicalRequest(page);
  } finally {
    await Promise.all([close(), server.close()]);
    await rm(work, { recursive: true, force: true });
  }
});
