// Measures the page built by the web preset against a bare page with 24 keys
// (bench/bare_page), in headless Chromium at a phone's size: from navigation
// to the answer to the first tap, cold and from the offline cache (median of
// 7 rounds, the two pages in turn, after one round each that is not counted,
// each round from a quiet machine); the gzipped size of the first visit, of
// each screen and of all the code; and a
// Lighthouse audit (mobile profile).
//   QUIMBEL_SITE=build/web/web/site node bench/web.mjs
import { fileURLToPath } from 'node:url';
import { codeSize } from '../tools/web/code_size.mjs';
import { launch, persistentContext, phone, site } from '../tools/web/chromium.mjs';
import { audit } from '../tools/web/lighthouse.mjs';
import { serve } from '../tools/web/serve.mjs';

const rounds = 7;
const bare = fileURLToPath(new URL('bare_page', import.meta.url));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
// Lets the browser finish what the round before left, such as closing a tab.
const quiet = () => new Promise((resolve) => setTimeout(resolve, 300));

// The median time of each page, visited in turn, after a round not counted.
async function medians(visit) {
  const times = [[], []];
  for (let round = -1; round < rounds; ++round) {
    for (const i of [0, 1]) {
      await quiet();
      const time = await visit(i);
      if (round >= 0) times[i].push(time);
    }
  }
  return times.map(median);
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
// and released at once, straight through the DevTools protocol.
async function firstAnswer(page, url) {
  const devtools = await page.context().newCDPSession(page);
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

const servers = await Promise.all([serve(bare), serve(site)]);
const names = ['bare page', 'QUIMBEL'];
const browser = await launch();
const cold = await medians(async (i) => {
  const context = await browser.newContext({ viewport: phone });
  await context.addInitScript(noteAnswer);
  const time = await firstAnswer(await context.newPage(), servers[i].url);
  await context.close();
  return time;
});
await browser.close();

// Installed, then with the servers stopped.
const installed = [];
for (const server of servers) {
  const { context, close } = await persistentContext();
  await context.addInitScript(noteAnswer);
  const page = await context.newPage();
  await page.goto(server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  installed.push({ page, close, url: server.url });
}
await Promise.all(servers.map((server) => server.close()));
const offline = await medians((i) => firstAnswer(installed[i].page, installed[i].url));
await Promise.all(installed.map(({ close }) => close()));

const size = await codeSize(site);

const lighthouseServer = await serve(site);
const scores = await audit(lighthouseServer.url);
await lighthouseServer.close();

for (const [label, [bareTime, ours]] of [['cold', cold], ['offline cache', offline]]) {
  console.log(`first tap answered, ${label} (median of ${rounds}): ${names[0]} ${bareTime.toFixed(0)} ms, `
    + `${names[1]} ${ours.toFixed(0)} ms; ratio ${(ours / bareTime).toFixed(2)}`);
}
console.log(`before the first tap (index.html): ${size.firstTap} bytes gzipped`);
for (const [name, bytes] of Object.entries(size.screens)) console.log(`the ${name} screen (screens/${name}/): ${bytes} bytes gzipped`);
console.log(`all code (${size.files.join(', ')}): ${size.all} bytes gzipped`);
console.log(`Lighthouse (mobile): ${Object.entries(scores).map(([id, score]) => `${id} ${score}`).join(', ')}`);
