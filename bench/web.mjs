// Measures the page built by the web preset against a bare page with 24 keys
// (bench/bare_page), in headless Chromium at a phone's size: from navigation
// to the answer to the first tap, at full speed and with the CPU slowed 4×
// (a mid-range phone), cold and from the service worker's cache; then the
// gzipped size of the first visit, of each screen and of all the code; and
// a Lighthouse audit (mobile profile).
// Each time is the median of 21 rounds, after one round that is not counted,
// the pages in turn within each round, so that a busy machine weighs on
// them alike. A cold round is a new browser, left to finish its own start
// for 2 s; a round from the cache is a new tab of a browser where the page
// is installed, its servers gone and its workers stopped, as when a player
// opens it from the home screen.
// Other sites given after the command are measured beside the two, such as
// an earlier build: the ratio of each to the bare page in the same run.
//   QUIMBEL_SITE=build/web/web/site node bench/web.mjs [SITE...] [--times]
// --times stops after the times.
import { fileURLToPath } from 'node:url';
import { codeSize } from '../tools/web/code_size.mjs';
import { launch, persistentContext, phone, site } from '../tools/web/chromium.mjs';
import { audit } from '../tools/web/lighthouse.mjs';
import { serve } from '../tools/web/serve.mjs';

const rounds = 21;
const slowdowns = [1, 4];
const settle = 2000; // ms: a browser's own start, left out of a cold round
const bare = fileURLToPath(new URL('bare_page', import.meta.url));
const others = process.argv.slice(2).filter((arg) => arg !== '--times');
const roots = [bare, site, ...others];
const names = ['bare page', 'QUIMBEL', ...others];
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const sorted = (values) => [...values].sort((a, b) => a - b);
const quantile = (values, q) => sorted(values)[Math.round(q * (values.length - 1))];
const spread = (values) => `${quantile(values, 0.5).toFixed(0)} ms (quartiles ${quantile(values, 0.25).toFixed(0)}`
  + `-${quantile(values, 0.75).toFixed(0)})`;

// Each page's times, visited in turn, after a round not counted.
async function timesOf(visit) {
  const times = roots.map(() => []);
  for (let round = -1; round < rounds; ++round) {
    for (const i of roots.keys()) {
      const time = await visit(i);
      if (round >= 0) times[i].push(time);
    }
  }
  return times;
}

// Notes when the line first shows something: the answer to the first tap.
function noteAnswer() {
  const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(HTMLInputElement.prototype, 'value', { ...value, set(text) {
    value.set.call(this, text);
    if (text && this.id === 'Text1') window.answeredAt ??= performance.now();
  } });
}

// Milliseconds from navigation to the answer to a tap on 7, made on the first
// frame where the key shows and takes taps, as a quick thumb would: pressed
// and released at once, straight through the DevTools protocol. The CPU is
// slowed `slowdown` times from before the navigation.
async function firstAnswer(page, url, slowdown) {
  const devtools = await page.context().newCDPSession(page);
  await devtools.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await page.goto(url, { waitUntil: 'commit' });
  const { x, y } = await page.evaluate(() => new Promise((found) => {
    const look = () => {
      const key = document.getElementById('Command7');
      const box = key && !key.closest('[inert]') && key.getBoundingClientRect();
      if (box?.width) found({ x: box.x + box.width / 2, y: box.y + box.height / 2 });
      else requestAnimationFrame(look);
    };
    look();
  }));
  const mouse = (type) => devtools.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
  await Promise.all([mouse('mousePressed'), mouse('mouseReleased')]);
  await page.waitForFunction(() => window.answeredAt, null, { polling: 'raf' });
  await devtools.detach();
  return page.evaluate(() => window.answeredAt);
}

const servers = await Promise.all(roots.map((root) => serve(root)));

async function cold(i, slowdown) {
  const browser = await launch();
  try {
    await pause(settle);
    const context = await browser.newContext({ viewport: phone });
    await context.addInitScript(noteAnswer);
    return await firstAnswer(await context.newPage(), servers[i].url, slowdown);
  } finally {
    await browser.close();
  }
}

// Installed, then with the servers stopped.
async function install(server) {
  const { context, close } = await persistentContext();
  await context.addInitScript(noteAnswer);
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller);
  await page.close();
  return { context, close, url: server.url };
}

async function fromCache({ context, url }, slowdown) {
  const page = await context.newPage();
  const devtools = await context.newCDPSession(page);
  await devtools.send('ServiceWorker.enable');
  await devtools.send('ServiceWorker.stopAllWorkers');
  await devtools.detach();
  const time = await firstAnswer(page, url, slowdown);
  if (!await page.evaluate(() => navigator.serviceWorker.controller)) throw new Error(`${url} came not from its worker`);
  await page.close();
  return time;
}

const times = {};
for (const slowdown of slowdowns) times[`cold, CPU ${slowdown}×`] = await timesOf((i) => cold(i, slowdown));
const installed = [];
for (const server of servers) installed.push(await install(server));
await Promise.all(servers.map((server) => server.close()));
for (const slowdown of slowdowns) {
  times[`from the cache, CPU ${slowdown}×`] = await timesOf((i) => fromCache(installed[i], slowdown));
}
await Promise.all(installed.map(({ close }) => close()));

console.log(`first tap answered, median of ${rounds} rounds:`);
for (const [label, pages] of Object.entries(times)) {
  const floor = quantile(pages[0], 0.5);
  console.log(`  ${label}: ${pages.map((values, i) => `${names[i]} ${spread(values)}`
    + (i ? `, ratio ${(quantile(values, 0.5) / floor).toFixed(2)}` : '')).join('; ')}`);
}
if (process.argv.includes('--times')) process.exit();

const size = await codeSize(site);
const lighthouseServer = await serve(site);
const scores = await audit(lighthouseServer.url);
await lighthouseServer.close();

console.log(`before the first tap (index.html): ${size.firstTap} bytes gzipped`);
for (const [name, bytes] of Object.entries(size.screens)) console.log(`the ${name} screen (screens/${name}/): ${bytes} bytes gzipped`);
console.log(`all code (${size.files.join(', ')}): ${size.all} bytes gzipped`);
console.log(`Lighthouse (mobile): ${Object.entries(scores).map(([id, score]) => `${id} ${score}`).join(', ')}`);
