// What the page does when a player uses it, checked the same way in every
// browser: the wiring of keys, typing, boxes and OFF to the engine, whose
// own tests carry the semantics. `browser` clicks, types, presses keys and
// evaluates functions in the page (see chromium.mjs and webdriver.mjs).
import assert from 'node:assert/strict';
import { isDeepStrictEqual } from 'node:util';

const white = 'rgb(255, 255, 255)', red = 'rgb(192, 0, 0)', green = 'rgb(0, 192, 0)';

// Keys by their captions, as the player sees them.
export async function press(browser, sequence) {
  for (const caption of sequence.split(' ')) {
    const id = await browser.evaluate((text) =>
      [...document.querySelectorAll('#Keypad button')].find((key) => key.textContent === text)?.id, caption);
    assert.ok(id, `no key shows ${caption}`);
    await browser.click(`#${id}`);
  }
}

// Polls until `read` gives `expected`, however long the page takes to
// answer; after a minute, fails with what it found last.
export async function settles(browser, read, expected, message, arg) {
  const giveUp = Date.now() + 60_000;
  let found;
  do {
    // A page still coming, after a reload, has nothing to read yet.
    found = await browser.evaluate(read, arg).catch((error) => error);
    if (isDeepStrictEqual(found, expected)) return;
    // Reads spaced a little, leaving the machine to the page.
    await new Promise((resolve) => setTimeout(resolve, 20));
  } while (Date.now() < giveUp);
  assert.deepEqual(found, expected, message);
}

export const linesShow = (browser, expected, message) =>
  settles(browser, () => [Text1.value, Text2.textContent, getComputedStyle(Text2).backgroundColor], expected, message);

const isOpen = (browser, id, open) =>
  settles(browser, (box) => Boolean(document.querySelector(`dialog#${box}[open]`)), open, `${id} open: ${open}`, id);

// The headings and paragraphs of the box `id`, once open.
async function openBox(browser, id) {
  await isOpen(browser, id, true);
  return browser.evaluate((box) => [...document.querySelectorAll(`dialog#${box} :is(h2, p)`)]
    .map((e) => e.textContent), id);
}

export const checks = {
  async 'keys: V and NV answer in their colours'(browser) {
    await press(browser, 'INI 4 ♥ X X + 2 V');
    await linesShow(browser, ['4♥ΧΧ+2', '1880', red], 'V');
    await press(browser, 'NV');
    await linesShow(browser, ['4♥ΧΧ+2', '1280', green], 'NV');
  },

  async 'typing: shown as the keys show it, "?" for what has no byte, guarded'(browser) {
    await press(browser, 'INI X');
    await linesShow(browser, ['Χ', '', white], 'INI X');
    await browser.type('#Text1', '2CΩ');
    await linesShow(browser, ['Χ2Χ?', '', white], 'typed 2C and an omega');
    await browser.type('#Text1', '=5678');
    await linesShow(browser, ['', 'erreur', white], 'typed past 8 characters');
  },

  async 'boxes: "ici", the help, and About, which Escape and Enter leave open'(browser) {
    await press(browser, 'INI 4 ♥ 4 NV');
    assert.deepEqual(await openBox(browser, 'MsgBox'), ['quimbel', 'ici']);
    await browser.click('#MsgBoxOK');
    await isOpen(browser, 'MsgBox', false);
    await linesShow(browser, ['', 'Erreur', green], 'after "ici"');

    await browser.click('#Label3');
    // The help's text is the engine's; the box keeps its six paragraphs apart.
    const [title, help] = await openBox(browser, 'MsgBox');
    assert.deepEqual([title, help.split('\n').length], ["Mode d'emploi de QUIMBEL", 6]);
    await browser.key('Escape');
    await isOpen(browser, 'MsgBox', false);

    for (let time = 0; time < 2; ++time) {
      await browser.click('#Label4');
      assert.deepEqual(await openBox(browser, 'About'), ['À propos', 'QUIMBEL', 'CALCULATRICE de SCORES',
        'Copyright © 2026 QUIMBEL. Tous droits réservés.']);
      for (const key of ['Escape', 'Enter', 'Escape']) await browser.key(key);
      await isOpen(browser, 'About', true);
      await browser.click('#cmdOK');
      await isOpen(browser, 'About', false);
    }
  },

  async 'OFF turns the calculator off; a tap turns a fresh one on'(browser) {
    await press(browser, 'INI X 5 - 2 V OFF');
    await settles(browser, () => document.getElementById('Form1').hidden, true, 'off');
    await browser.click('#Off');
    await linesShow(browser, ['', '', white], 'on again');
    await browser.type('#Text1', 'C');
    await linesShow(browser, ['C', '', white], 'the design face again: no chi');
  },
};
