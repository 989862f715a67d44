// The page as a player uses it, with real clicks and key presses in Chromium: the wiring of keys,
// typing, boxes and OFF to the engine (whose own tests carry the semantics), an axe scan, and the
// layout at a phone's and a desktop's size.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { desktop, launch, openCalculator, phone, serveSite } from '../chromium.mjs';

let browser, server, page;
before(async () => {
  [browser, server] = await Promise.all([launch(), serveSite()]);
  const context = await browser.newContext({ viewport: phone, hasTouch: true });
  page = await openCalculator(context, server.url);
});
after(async () => Promise.all([browser?.close(), server?.close()]));

// Keys by what a screen reader calls them; digits and signs by their captions.
const names = { '♣': 'trèfle', '♦': 'carreau', '♥': 'cœur', '♠': 'pique', NT: 'sans-atout', X: 'contre',
  NV: 'non vulnérable', V: 'vulnérable', INI: 'remise à zéro', C: 'efface', OFF: 'arrêt' };
async function press(sequence) {
  for (const key of sequence.split(' '))
    await page.getByRole('button', { name: names[key] ?? key, exact: true }).click();
}
const lines = async () => [await page.inputValue('#Text1'),
  await page.getByRole('status', { name: 'résultat' }).textContent(),
  await page.$eval('#Text2', (e) => getComputedStyle(e).backgroundColor)];
const white = 'rgb(255, 255, 255)', red = 'rgb(192, 0, 0)', green = 'rgb(0, 192, 0)';

test('keys: scores, a split, the errors, the guard, C and INI', async () => {
  const cases = [
    ['INI 4 ♥ X X + 2 V', '4♥ΧΧ+2', '1880', red],
    ['NV', '4♥ΧΧ+2', '1280', green],
    ['INI 3 - 3 V', '3-3', '36 %', red],
    ['INI 8 ♥ = NV', '', 'Erreur', green],
    ['INI 1 2 3 4 5 6 7 NT', '', 'erreur', white],
    ['INI 3 NT C C', '3', '', white],
  ];
  for (const [sequence, ...expected] of cases) {
    await press(sequence);
    assert.deepEqual(await lines(), expected, sequence);
  }
});

test('typing: shown as the keys show it, "?" for what has no byte, guarded', async () => {
  await press('INI X');
  await page.getByRole('textbox', { name: 'saisie' }).focus();
  await page.keyboard.type('2C🂡');
  assert.deepEqual(await lines(), ['Χ2Χ?', '', white]);
  await page.keyboard.type('=5678');
  assert.deepEqual(await lines(), ['', 'erreur', white]);
});

// Reads the box that is open, then closes it as the player would.
async function readBox(box, close) {
  const dialog = page.locator(`dialog#${box}[open]`);
  await dialog.waitFor();
  const shown = await dialog.evaluate((d) => [...d.querySelectorAll('h2, p')].map((e) => e.innerText));
  await close();
  await page.locator(`dialog#${box}[open]`).waitFor({ state: 'detached' });
  return shown;
}

test('boxes: "ici", the help, and About, which Escape and Enter leave open', async () => {
  await press('INI 4 ♥ 4 NV');
  assert.deepEqual(await readBox('MsgBox', () => page.click('#MsgBoxOK')), ['quimbel', 'ici']);
  assert.deepEqual(await lines(), ['', 'Erreur', green]);

  await page.click('#Label3');
  // The help's text is the engine's; the box keeps its six paragraphs apart.
  const [title, help] = await readBox('MsgBox', () => page.keyboard.press('Escape'));
  assert.deepEqual([title, help.split('\n').length], ["Mode d'emploi de QUIMBEL", 6]);

  for (let time = 0; time < 2; ++time) {
    await page.click('#Label4');
    const about = await readBox('About', async () => {
      for (const key of ['Escape', 'Enter', 'Escape']) await page.keyboard.press(key);
      assert.equal(await page.locator('dialog#About[open]').count(), 1);
      await page.click('#cmdOK');
    });
    assert.deepEqual(about, ['À propos', 'QUIMBEL', 'CALCULATRICE de SCORES',
      'Copyright © 2026 QUIMBEL. Tous droits réservés.']);
  }
});

test('OFF turns the calculator off; a tap turns a fresh one on', async () => {
  await press('INI X 5 - 2 V OFF');
  assert.equal(await page.isVisible('#Form1'), false);
  await page.mouse.click(20, 20);
  await page.locator('#Form1').waitFor();
  assert.deepEqual(await lines(), ['', '', white]);
  await page.focus('#Text1');
  await page.keyboard.type('C');
  assert.deepEqual(await lines(), ['C', '', white]); // the design face again: no chi
});

test('axe finds no violation', async () => {
  await press('INI 4 ♥ X X + 2 V');
  // Evaluated by the debugger, which the page's Content-Security-Policy allows.
  await page.evaluate(await readFile(createRequire(import.meta.url).resolve('axe-core'), 'utf8'));
  const { violations } = await page.evaluate(() => window.axe.run());
  assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
});

test('every key visible without scrolling, at least 48 px high, no overflow', async () => {
  for (const viewport of [phone, desktop, { width: 844, height: 390 }]) {
    await page.setViewportSize(viewport);
    const fit = await page.evaluate(() => {
      const inside = [...document.querySelectorAll('#Keypad button, #Text1, #Text2')].every((e) => {
        const r = e.getBoundingClientRect();
        return r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth &&
          (e.tagName !== 'BUTTON' || r.height >= 48);
      });
      const { scrollWidth, scrollHeight } = document.documentElement;
      return { inside, overflows: scrollWidth > innerWidth || scrollHeight > innerHeight };
    });
    assert.deepEqual(fit, { inside: true, overflows: false }, JSON.stringify(viewport));
  }
});
