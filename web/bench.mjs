// Measures the page, built by the web preset, in headless Chromium: the bytes
// a first visit transfers (raw and gzipped), the time from navigation to
// working keys, cold and from the offline cache (median of 7), and a
// Lighthouse audit (mobile profile). Prints the figures.
//   QUIMBEL_SITE=build/web/web/site node web/bench.mjs
import { gzipSync } from 'node:zlib';
import { installedPage, launch, phone, serveSite } from './chromium.mjs';
import { audit } from './lighthouse.mjs';

const runs = 7;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
// Milliseconds from the start of navigation to the keys working.
const keysReady = (page) => page.evaluate(async () => {
  while (!performance.getEntriesByName('keys-ready').length)
    await new Promise((resolve) => setTimeout(resolve, 1));
  return performance.getEntriesByName('keys-ready')[0].startTime;
});

// A first visit, until the service worker holds the whole site.
const server = await serveSite();
const browser = await launch();
const first = await (await browser.newContext({ viewport: phone })).newPage();
await first.goto(server.url);
await first.evaluate(() => navigator.serviceWorker.ready);
const files = server.served.length;
const raw = server.served.reduce((sum, body) => sum + body.length, 0);
const gzipped = server.served.reduce((sum, body) => sum + gzipSync(body, { level: 9 }).length, 0);

const cold = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext({ viewport: phone });
  const page = await context.newPage();
  await page.goto(server.url);
  cold.push(await keysReady(page));
  await context.close();
}
await browser.close();

const installed = await installedPage(server.url);
const { page } = installed;
await server.close();
const offline = [];
for (let run = 0; run < runs; ++run) {
  await page.reload();
  offline.push(await keysReady(page));
}
await installed.close();

const lighthouseServer = await serveSite();
const scores = await audit(lighthouseServer.url);
await lighthouseServer.close();

console.log(`first visit: ${files} files, ${kilobytes(raw)} raw, ${kilobytes(gzipped)} gzipped`);
console.log(`to working keys (median of ${runs}): cold ${cold.length && median(cold).toFixed(0)} ms, ` +
  `offline cache ${median(offline).toFixed(0)} ms`);
console.log(`Lighthouse (mobile): ${Object.entries(scores).map(([id, score]) => `${id} ${score}`).join(', ')}`);
