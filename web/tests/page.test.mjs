// The page in Chromium: the checks every browser passes, then what only
// Chromium measures here: the layout at a phone's, a tablet's and a
// desktop's sizes, axe in light, dark and forced colours, Lighthouse, and
// that keys tapped as soon as they show are answered.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { checkedBrowser, launch, listedScreens, openCalculator, openEveryScreen, phone, serveSite, site, stopClock }
  from '../../tools/web/chromium.mjs';
import { audit } from '../../tools/web/lighthouse.mjs';
import { linesShow, press, settles } from './calculator_checks.mjs';
import { everyCheck } from './in_browser.mjs';
import { keyBoard, leaveEmpty, matchRecord, storeAndOpen } from './match_checks.mjs';

let browser, server, page;
before(async () => {
  [browser, server] = await Promise.all([launch(), serveSite()]);
  page = await openCalculator(await browser.newContext({ viewport: phone, hasTouch: true }), server.url);
});
after(() => Promise.all([browser?.close(), server?.close()]));

for (const [name, check] of Object.entries(everyCheck)) test(name, () => check(checkedBrowser(page)));

test('a screen reader hears every key and line by the engine\'s name for it', async () => {
  // The engine's names, as the build's own program prints them.
  const engineNames = execFileSync(process.execPath, [join(site, '..', 'page_design.js'), '--spoken-names'],
    { encoding: 'utf8' }).trim().split('\n').map((line) => line.split(/ (.*)/s).slice(0, 2));
  const cdp = await page.context().newCDPSession(page);
  const { root } = await cdp.send('DOM.getDocument');
  const heard = [];
  for (const [id] of engineNames) {
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: `#${id}` });
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    heard.push([id, nodes[0].name?.value]);
  }
  assert.deepEqual(heard, engineNames);
});

const keyPress = (captions) => press(checkedBrowser(page), captions);

// axe finds nothing in light, dark and forced colours, after each of `steps`;
// `forced` then runs in forced colours, before light comes back.
async function axeClean(steps, forced = async () => {}) {
  // Evaluated by the debugger, which the page's Content-Security-Policy allows.
  await page.evaluate(await readFile(createRequire(import.meta.url).resolve('axe-core'), 'utf8'));
  for (const media of [{ colorScheme: 'light' }, { colorScheme: 'dark' }, { forcedColors: 'active' }]) {
    for (const [step, run] of Object.entries(steps)) {
      await run();
      await page.emulateMedia(media);
      const { violations } = await page.evaluate(() => window.axe.run());
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [],
        `${JSON.stringify(media)}, ${step}`);
    }
  }
  await forced();
  await page.emulateMedia({ colorScheme: 'light', forcedColors: 'none' });
}

// The keypad as the player sees it, row by row, and what each screen owes
// the thumb: the smallest key, the share of the screen the keys cover, and
// at most ~160 px on a large screen.
const keypadRows = ['OFF C INI ♣', '7 8 9 ♦', '4 5 6 ♥', '1 2 3 ♠', '0 = X NT', '+ - NV V'];
const screens = [
  { width: 360, height: 640, key: [64, 56], share: 0.4 },
  { width: 390, height: 844, key: [72, 64], share: 0.45 },
  { width: 412, height: 915, key: [72, 64], share: 0.45 },
  { width: 844, height: 390, key: [44, 44], beside: true },
  { width: 640, height: 360, key: [44, 44], beside: true },
  { width: 820, height: 1180, key: [72, 64], largest: 165 },
  { width: 1280, height: 800, key: [72, 64], largest: 165 },
];

test('layout: thumb-sized keys in the keypad\'s rows and columns, lines whole, each screen\'s opener thumb-sized and clear, nothing scrolls; no id used twice with every screen built', async () => {
  // Every screen in the page beside the calculator, each id in one place.
  await openEveryScreen(page);
  const ids = await page.$$eval('[id]', (elements) => elements.map((e) => e.id));
  assert.deepEqual(ids.filter((id, i) => ids.indexOf(id) !== i), [], 'ids used twice');
  // The longest texts each line shows: 7NTXX-13 and -7600.
  await keyPress('INI 7 NT X X - 1 3 V');
  await linesShow(checkedBrowser(page), ['7NTΧΧ-13', '-7600', 'rgb(192, 0, 0)'], '7NTXX-13 V');
  for (const screen of screens) {
    await page.setViewportSize(screen);
    const { keys, lines, labels, scrolls, cut } = await page.evaluate((openerIds) => {
      const openers = openerIds.map((id) => document.getElementById(id));
      const box = (e) => e.getBoundingClientRect().toJSON();
      const { scrollWidth, scrollHeight } = document.documentElement;
      return { keys: [...document.querySelectorAll('#Keypad button')].map((e) => ({ text: e.textContent, ...box(e) })),
        lines: [Text1, Text2].map((e) => ({ ...box(e), fontSize: parseFloat(getComputedStyle(e).fontSize),
          cut: e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight })),
        labels: [Label3, Label4, ...openers].map(box), scrolls: scrollWidth > innerWidth || scrollHeight > innerHeight,
        cut: openers.filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.id) };
    }, listedScreens.map(({ opener }) => opener));
    const at = `${screen.width}×${screen.height}`;
    // The help, longer than a short screen, opens at its start, OK focused.
    await page.click('#Label3');
    assert.deepEqual(await page.evaluate(() => [MsgBox.scrollTop, document.activeElement.id]), [0, 'MsgBoxOK'], `${at}: help`);
    await page.click('#MsgBoxOK');
    const sorted = (values) => [...new Set(values.map(Math.round))].sort((a, b) => a - b);
    const grid = sorted(keys.map((k) => k.top)).map((top) => sorted(keys.map((k) => k.left)).map((left) =>
      keys.find((k) => Math.round(k.top) === top && Math.round(k.left) === left)));
    assert.deepEqual(grid.map((row) => row.map((k) => k?.text).join(' ')), keypadRows, `${at}: keypad`);
    // The keys are one size.
    const size = [Math.min(...keys.map((k) => k.width)), Math.min(...keys.map((k) => k.height))];
    assert.ok(size[0] >= screen.key[0] && size[1] >= screen.key[1], `${at}: key ${size}`);
    const gaps = [grid[0][1].left - grid[0][0].right, grid[1][0].top - grid[0][0].bottom];
    assert.ok(Math.min(...gaps) >= 7.99, `${at}: gaps ${gaps}`);
    const share = keys.reduce((sum, k) => sum + k.width * k.height, 0) / (screen.width * screen.height);
    assert.ok(share >= (screen.share ?? 0), `${at}: keys cover ${share.toFixed(2)}`);
    const [left, right] = [grid[0][0].left, grid[0][3].right];
    if (screen.largest) {
      assert.ok(Math.max(...size) <= screen.largest, `${at}: key ${size}`);
      assert.ok(Math.abs(left + right - screen.width) < 4, `${at}: keys from ${left} to ${right}`);
    }
    for (const line of lines) {
      assert.ok(!line.cut && line.fontSize >= 28, `${at}: line ${JSON.stringify(line)}`);
      assert.ok(screen.beside ? line.right <= left : line.left === left && line.right === right &&
        line.bottom <= grid[0][0].top, `${at}: line ${JSON.stringify(line)}, keys from ${left} to ${right}`);
    }
    assert.ok(labels.every((l) => l.top >= 0 && l.bottom <= screen.height && l.height > 0), `${at}: labels`);
    // The screens' openers, thumb-sized and whole, clear of one another and of the rest.
    const clear = (a, b) => a === b || a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
    const openers = labels.slice(2);
    assert.ok(openers.every((o) => o.height >= 44 && o.width >= 44 && [...labels, ...keys, ...lines].every((e) => clear(o, e)))
      && !cut.length, `${at}: openers ${JSON.stringify(openers)}, cut ${cut}`);
    assert.equal(scrolls, false, `${at}: scrolls`);
  }
  await page.setViewportSize(phone);
});

test('colours: axe finds nothing after V and after NV, light, dark and forced; forced, keys and lines keep a border', async () => {
  await axeClean({ V: () => keyPress('INI 4 ♥ X X + 2 V'), NV: () => keyPress('INI 4 ♥ X X + 2 NV') }, async () =>
    assert.deepEqual(await page.$$eval('#Keypad button, #Text1, #Text2', (elements) => elements.filter((e) => {
      const style = getComputedStyle(e);
      return !(parseFloat(style.borderTopWidth) > 0) || style.borderTopColor === style.backgroundColor;
    }).map((e) => e.id)), []));
});

test('the card\'s boxes, sent and received, at every size: whole, nothing sideways, keys thumb-sized, the QR code square and large; axe clean', async () => {
  const checked = checkedBrowser(page);
  await storeAndOpen(checked, matchRecord(Array.from({ length: 32 }, (_, i) => [i + 1, -620, i % 2 ? 100 : null])));
  const closed = () => page.evaluate(() => document.querySelectorAll('dialog[open]').forEach((box) => box.close()));
  // From the keyboard, which a quick second tap's quiet time leaves alone.
  const send = async () => {
    await closed();
    await page.focus('#SendCard');
    await page.keyboard.press('Enter');
    await page.locator('#CardBox[open] #CardQR[aria-label]').waitFor();
  };
  await send();
  const link = await page.textContent('#CardLink');
  // Escape closes the box, and only the box.
  await page.keyboard.press('Escape');
  await page.locator('#CardBox').waitFor({ state: 'hidden' });
  assert.ok(await page.isVisible('#MatchForm'));
  // Board 2 differs, so that the received box lists it.
  const receive = async () => {
    await closed();
    await page.evaluate((address) => location.assign(address), link);
    await page.locator('#ReceivedKept li').first().waitFor();
  };
  const measure = (id) => page.evaluate((box) => {
    const rect = (element) => element.getBoundingClientRect();
    const dialog = document.getElementById(box);
    const keys = [...dialog.querySelectorAll('button:not([hidden])')].map(rect);
    const qr = dialog.querySelector('canvas:not([hidden])');
    return { inside: rect(dialog).left >= 0 && rect(dialog).right <= innerWidth && rect(dialog).top >= 0 && rect(dialog).bottom <= innerHeight,
      sideways: dialog.scrollWidth > dialog.clientWidth || document.documentElement.scrollWidth > innerWidth,
      keys: keys.every(({ width, height }) => width >= 44 && height >= 44), qr: qr && [rect(qr).width >= 150, rect(qr).width === rect(qr).height] };
  }, id);
  for (const [id, open, qr] of [['CardBox', send, [true, true]], ['CardReceived', receive, null]]) {
    for (const size of screens) {
      await page.setViewportSize(size);
      await open();
      assert.deepEqual(await measure(id), { inside: true, sideways: false, keys: true, qr }, `${id}, ${size.width} × ${size.height}`);
    }
  }
  await page.setViewportSize(phone);
  await axeClean({ sending: send, receiving: receive });
  // The card ignored, or it would be offered again at the screen's next opening.
  await page.click('#CardRefuse');
  await page.locator('#CardReceived').waitFor({ state: 'hidden' });
  await leaveEmpty(checked);
});

// Each screen with twelve entries, correcting one, at every size: each
// target thumb-sized, no label cut, no two overlapping outside `scroller`,
// `inView` in view (but with the on-screen keyboard up, where the screen
// scrolls), `scroller` at least as high as its first of `rows` and its text
// readable (12 px), nothing sideways in the page nor, unless `wide`, in
// `scroller`; then axe clean once a score is refused.
const crowded = [
  { name: 'match screen, correcting a board: thumb-sized targets, no label cut, total and entry in view, boards scrolling, nothing sideways; axe clean',
    opener: 'Match', root: 'MatchForm', title: 'EntryTitle', error: 'OwnError', back: 'MatchBack',
    entries: Array.from({ length: 12 }, (_, board) => ['620', `-${board * 10 + 500}`]), refused: ['625', ''],
    enter: ([own, other], saved) => keyBoard(checkedBrowser(page), own, other, saved), row: '#Boards li:nth-child(12) button',
    inView: ['Total', 'Own', 'Other', 'Carry', 'Save', 'NewMatch'], scroller: 'Boards', rows: '#Boards li', sizes: screens },
  { name: 'pairs screen, correcting a result: thumb-sized targets, no label cut, the entry in view, the table readable, in view or a scroll away, sideways only in its box; axe clean',
    opener: 'Pairs', root: 'PairsForm', title: 'PairsEntryTitle', error: 'PairsScoreError', back: 'PairsBack',
    // Pairs 1 to 24, so that the ranking shows.
    entries: ['1430', '-7600', '620', '650', '420', '-100', '-200', '0', '100', '-50', '170', '620'].map((score, i) => [i + 1, i + 13, score]),
    refused: [1, 1, '625'],
    enter: async ([ns, ew, score], saved = true) => {
      for (const [id, value] of Object.entries({ PairsNS: ns, PairsEW: ew, PairsScore: score })) await page.fill(`#${id}`, String(value));
      await page.click('#PairsAdd');
      if (saved) await settles(checkedBrowser(page), () => PairsScore.value, '', `${score} saved`);
    },
    row: '#PairsRows tr:nth-child(12) button', inView: ['PairsBack', 'PairsBoard', 'PairsScore', 'PairsScoreSign', 'PairsCarry',
      'PairsAdd', 'PairsRemove', 'PairsCancel', 'PairsSummary', 'PairsNew'], scroller: 'PairsTable', rows: '#PairsRows tr', wide: true,
    // The narrowest phone besides, and phones with the keyboard up.
    sizes: [...screens, { width: 320, height: 568 }, ...[[320, 300], [360, 320], [390, 360]].map(([width, height]) => ({ width, height,
      keyboard: true }))] },
];
for (const { name, opener, root, title, error, back, entries, refused, enter, row, inView, scroller, rows, wide, sizes } of crowded) test(name, async () => {
  await page.click(`#${opener}`);
  for (const entry of entries) await enter(entry);
  await page.click(row);
  await page.locator(`#${title}`, { hasText: 'Corriger' }).waitFor();
  for (const { keyboard, ...size } of sizes) {
    await page.setViewportSize(size);
    const found = await page.evaluate(([form, ids, list, first, sidewaysInList]) => {
      const box = (e) => e.getBoundingClientRect();
      const controls = [...document.querySelectorAll(`#${form} :is(button, input, select)`)].filter((e) => e.checkVisibility());
      const scrolling = document.getElementById(list);
      const fixed = controls.filter((e) => !scrolling.contains(e)).map((e) => [e.id, box(e)]);
      const over = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
      return { small: controls.filter((e) => box(e).width < 44 || box(e).height < 44).map((e) => e.id || e.textContent),
        cut: controls.filter((e) => e.localName === 'button' && e.scrollWidth > e.clientWidth).map((e) => e.id || e.textContent),
        overlapping: fixed.flatMap(([id, a], i) => fixed.slice(i + 1).filter(([, b]) => over(a, b)).map(([other]) => `${id} ${other}`)),
        hidden: ids.filter((id) => {
          const { top, bottom, left, right } = box(document.getElementById(id));
          return top < 0 || bottom > innerHeight || left < 0 || right > innerWidth;
        }),
        shown: scrolling.clientHeight >= box(scrolling.querySelector(first)).height,
        tiny: [...scrolling.querySelectorAll('*')].filter((e) => [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.data.trim())
          && e.checkVisibility() && parseFloat(getComputedStyle(e).fontSize) < 12).map((e) => e.id || e.textContent),
        sideways: document.documentElement.scrollWidth > innerWidth || (!sidewaysInList && (scrolling.scrollWidth > scrolling.clientWidth
          || box(scrolling.firstElementChild ?? scrolling).right > innerWidth)) };
    }, [root, keyboard ? [] : inView, scroller, rows, wide]);
    assert.deepEqual(found, { small: [], cut: [], overlapping: [], hidden: [], shown: true, tiny: [], sideways: false },
      `${root} ${size.width}×${size.height}`);
  }
  await page.setViewportSize(phone);
  await enter(refused, false);
  // Said a frame after the tap.
  await page.locator(`#${error}:not(:empty)`).waitFor();
  await axeClean({ 'a refused score': async () => {} });
  await page.click(`#${back}`);
});

test('match screen: never shown unstyled; a box says it could not come, and the next tap opens it, even at once at the same spot', async () => {
  // No worker, whose answers no route sees. Time stands still: every tap
  // comes within the quiet time after the first, OK on the box between.
  const context = await browser.newContext({ viewport: phone, serviceWorkers: 'block' });
  await stopClock(context);
  const styleless = await openCalculator(context, server.url);
  await styleless.route(/\.css$/, (route) => route.abort());
  await styleless.click('#Match');
  await styleless.locator('#MsgBox[open]').waitFor();
  assert.deepEqual(await styleless.evaluate(() => [Boolean(document.getElementById('MatchForm')), Form1.hidden, MsgBoxText.textContent]),
    [false, false, "L'écran du match n'a pas pu être chargé. Vérifiez la connexion, puis réessayez."]);
  await styleless.click('#MsgBoxOK');
  await styleless.unroute(/\.css$/);
  await styleless.click('#Match');
  await styleless.locator('#Total', { hasText: 'IMP' }).waitFor();
  await context.close();
});

test('Lighthouse: Accessibility and Best Practices at 100', async () => {
  const scores = await audit(server.url);
  assert.deepEqual([scores.accessibility, scores['best-practices']], [100, 100], JSON.stringify(scores));
});

test('the test server answers a malformed address with 400, and goes on serving', async () => {
  assert.deepEqual(await Promise.all(['%E0', ''].map(async (path) => (await fetch(server.url + path)).status)), [400, 200]);
});

test('keys tapped as soon as they show, while the page still arrives, are answered', async () => {
  const context = await browser.newContext({ viewport: phone, hasTouch: true });
  // An older browser, without Uint8Array.fromHex.
  await context.addInitScript(() => { delete Uint8Array.fromHex; });
  // Time stopped: the engine, left until the calculator has been drawn, is started by the first tap.
  await stopClock(context);
  const early = await context.newPage();
  // A slow line: the page takes a second and more to come whole.
  const network = await context.newCDPSession(early);
  await network.send('Network.enable');
  await network.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: 20_000, uploadThroughput: -1 });
  await early.goto(server.url, { waitUntil: 'commit' });
  for (const caption of ['3', '-', '3', 'V']) await early.click(`#Keypad button >> text="${caption}"`);
  await linesShow(checkedBrowser(early), ['3-3', '36 %', 'rgb(192, 0, 0)'], '3 - 3 V, tapped early');
  await context.close();
});
