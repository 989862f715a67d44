// The page installed and updated on a host that lets browsers cache every file for ten minutes: a half-published version
// never runs; a whole one runs, whole, once its one open tab is reloaded, then offline, another site's cache kept.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { keyTypicalRequest, launch, listedScreens, openEveryScreen, persistentContext, site } from '../../tools/web/chromium.mjs';
import { serve } from '../../tools/web/serve.mjs';
import { writePage } from '../build/inline_page.mjs';
import { keyBoard } from './match_checks.mjs';

const web = fileURLToPath(new URL('..', import.meta.url));
const pageSources = join(web, 'page');
const cacheName = async (folder) => (await readFile(join(folder, 'sw.js'), 'utf8')).match(/CACHE\s*=\s*`(\S+)/)[1];

// Version B: a mark in the page, its script and each screen's module, built and sealed by the build's own steps.
async function secondVersion(folder, sources) {
  await cp(site, folder, { recursive: true });
  await cp(pageSources, sources, { recursive: true });
  const mark = async (file, text) => writeFile(join(sources, file), `${text}${await readFile(join(sources, file), 'utf8')}`);
  await writeFile(join(sources, 'index.html'), (await readFile(join(site, '..', 'index.html'), 'utf8'))
    .replace('<head>', '<head>\n<meta name="build" content="B">'));
  await mark('main.js', "document.documentElement.dataset.build = 'B';\n");
  const screens = join(sources, 'screens', 'screens.json');
  for (const { name, module } of JSON.parse(await readFile(screens, 'utf8'))) await mark(module, `document.documentElement.dataset.${name}Build = 'B';\n`);
  await writePage({ page: join(sources, 'index.html'), entry: join(sources, 'main.js'), engine: join(site, '..', 'engine.wasm'),
    comparison: join(site, '..', 'comparison.wasm'), site: folder, screens });
  const version = (await cacheName(site)).split('-')[1];
  execFileSync(process.execPath, [join(web, 'build', 'digest_site.mjs'), join(pageSources, 'sw.js.in'), folder, version]);
}

// Which version the page, its script and each screen, opened from the calculator, came from.
const parts = ['page', 'script', ...listedScreens.map(({ name }) => name)];
const whole = (version) => Object.fromEntries(parts.map((part) => [part, version]));
async function versions(page) {
  await openEveryScreen(page);
  const marks = await page.evaluate((keys) => [document.querySelector('meta[name=build]')?.content,
    ...keys.map((key) => document.documentElement.dataset[key])], ['build', ...listedScreens.map(({ name }) => `${name}Build`)]);
  return Object.fromEntries(parts.map((part, i) => [part, marks[i] ?? 'A']));
}
const matchShown = (page) => page.locator('#Total', { hasText: '-1 IMP' }).waitFor();

const checkForUpdate = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.ready;
  await registration.update().catch(() => {});
  const worker = registration.installing;
  if (worker) await new Promise((settled) => worker.addEventListener('statechange', () => { if (worker.state !== 'installing') settled(); }));
});

test('installable; a new version reaches it whole at a reload, never at a page opened beside; a half-published one never runs', async () => {
  const work = await mkdtemp(join(tmpdir(), 'quimbel-update-'));
  const [published, b] = [join(work, 'published'), join(work, 'b')];
  await cp(site, published, { recursive: true });
  await secondVersion(b, join(work, 'b-sources'));
  const server = await serve(published, { cacheControl: 'public, max-age=600' });
  const { context, close } = await persistentContext();
  const plain = await launch();
  const start = async () => {
    const page = await context.newPage();
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    return page;
  };
  const [cacheA, cacheB] = [`${await cacheName(site)} ${server.url}`, `${await cacheName(b)} ${server.url}`];
  try {
    // A browser without workers, with only its HTTP cache.
    const uncontrolled = await plain.newContext({ serviceWorkers: 'block' });
    await (await uncontrolled.newPage()).goto(server.url);
    const installed = await start();
    assert.deepEqual((await (await context.newCDPSession(installed)).send('Page.getInstallabilityErrors')).installabilityErrors, []);
    await installed.evaluate(() => caches.open('another-site'));
    // Today's match, which the update keeps; this page stays open until another has read it.
    await installed.click('#Match');
    await keyBoard(installed, '620', '-650');

    // Half published: B's worker over A's page.
    await cp(join(b, 'sw.js'), join(published, 'sw.js'));
    const page = await start();
    await checkForUpdate(page);
    assert.deepEqual([await versions(page), await page.evaluate(() => caches.keys())], [whole('A'), [cacheA, 'another-site']], 'half published');

    await cp(b, published, { recursive: true });
    // Without a worker, A's page from the HTTP cache opens A's screens.
    const cached = await uncontrolled.newPage();
    await cached.goto(server.url);
    assert.deepEqual(await versions(cached), whole('A'), 'without a worker');

    await checkForUpdate(page);
    // A page opened beside it is A's too, and the first stays A whole.
    const beside = await context.newPage();
    await beside.goto(server.url);
    await beside.locator('#Form1').waitFor();
    assert.deepEqual(await versions(beside), whole('A'), 'a page opened beside');
    await beside.close();
    assert.deepEqual(await versions(page), whole('A'), 'beside a page opened');
    await page.click('#Match');
    await matchShown(page);
    await installed.close();
    await page.fill('#Own', '14');
    // A tab kept open on the match screen and only reloaded comes again from B, there, with the match and the half-typed board.
    await page.reload();
    await page.waitForSelector('meta[name=build]', { state: 'attached' });
    await page.evaluate(() => navigator.serviceWorker.ready);
    await matchShown(page);
    assert.equal(await page.inputValue('#Own'), '14');
    await page.click('#MatchBack');
    assert.deepEqual([await versions(page), await page.evaluate(() => caches.keys())], [whole('B'), ['another-site', cacheB]], 'a reload');
    await server.close();
    await page.reload();
    await page.click('#Match');
    await matchShown(page);
    await page.click('#MatchBack');
    assert.deepEqual(await versions(page), whole('B'), 'offline');
    await keyTypicalRequest(page);
  } finally {
    await Promise.all([close(), plain.close(), server.close()]);
    await rm(work, { recursive: true, force: true });
  }
});
