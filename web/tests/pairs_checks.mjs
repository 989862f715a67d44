// The pairs screen as a player uses it, checked the same way in every
// browser: a board's results carried, typed, refused, corrected and removed,
// their figures read off the table column by column, kept over a reload.
// The arithmetic itself is the engine's, tested in the core; one board's
// figures, worked by hand, check how the page writes them.
import { linesShow, press, settles } from './calculator_checks.mjs';
import { storeRecord } from './match_checks.mjs';

const green = 'rgb(0, 192, 0)';
const columns = ['ColScore', 'ColRank', 'ColMP', 'ColPctNS', 'ColPctEW', 'ColCross', 'ColButler'];

// The line above the table, then each row's cells by the header cell each
// names ("?" for a column whose header is not a <th>), empty cells left out.
const readPairs = (ids) => [document.getElementById('PairsSummary').textContent,
  ...[...document.querySelectorAll('#PairsResults tbody tr')].map((row) => ids.map((id) =>
    (document.getElementById(id)?.localName === 'th' ? row.querySelector(`td[headers="${id}"]`)?.textContent ?? '?' : '?'))
    .filter(Boolean).join(' '))];
const pairsShow = (browser, expected, message) => settles(browser, readPairs, expected, message, columns);
// The score field, what it says, the button's name, and where the focus is.
const fieldReads = (browser, expected, message) => settles(browser, () => [PairsScore.value, PairsScoreError.textContent,
  PairsScore.getAttribute('aria-invalid'), PairsAdd.textContent, document.activeElement.id], expected, message);
const shown = (browser, id) => settles(browser, (element) => document.getElementById(element)?.hidden === false, true, `${id} shown`, id);
// The board's number set as a paste would: a driver's clear would leave the field first.
const pasteBoard = (browser, text) => browser.evaluate((value) => {
  PairsBoard.value = value;
  PairsBoard.dispatchEvent(new Event('input'));
}, text);
// The board's own storage key, in the page.
const pairsKey = () => `quimbel.pairs ${new URL('.', location.href).pathname}`;
// A result typed and added; once saved, the field is emptied.
async function add(browser, score, typed = () => browser.type('#PairsScore', score)) {
  await typed();
  await browser.click('#PairsAdd');
  await settles(browser, () => PairsScore.value, '', `${score} saved`);
}

// Three tables, the best first: 430, 400, 400; the top is 2 × 2 = 4. 430
// beats both, 4 MP, 100,00 %; 30 more is 1 IMP on each, +1,00, and 20 above
// the datum 1230 / 3 = 410, 1 IMP. Each 400 ties the other, 1 MP, 25,00 %;
// -1 and 0 IMP, -0,50; 10 below the datum, 0.
const board = ['Top 4 · Datum 410',
  '430 1 4 100,00 % 0,00 % +1,00 +1',
  '400 2= 1 25,00 % 75,00 % -0,50 0',
  '400 2= 1 25,00 % 75,00 % -0,50 0'];

export const pairsChecks = {
  async 'pairs: results carried, typed, refused, corrected and removed, their figures by column, kept over a reload'(browser) {
    // 3NT made, not vulnerable: 400, carried; Back brings the calculator as it was.
    await press(browser, 'INI 3 NT NV');
    await browser.click('#Pairs');
    await shown(browser, 'PairsForm');
    await pasteBoard(browser, '100');
    await settles(browser, () => [PairsBoardError.textContent, PairsBoard.getAttribute('aria-invalid')], ['De 1 à 99.', 'true'], 'board 100');
    await pasteBoard(browser, '7');
    await settles(browser, () => [PairsBoardError.textContent, PairsDealt.textContent, PairsCarry.textContent],
      ['', 'Sud · Tous', 'Reporter 400'], 'board 7');
    await browser.click('#PairsCarry');
    await browser.click('#PairsAdd');
    await pairsShow(browser, ['Ajoutez au moins deux résultats.', '400'], 'one result');
    await browser.click('#PairsBack');
    await shown(browser, 'Form1');
    await linesShow(browser, ['3NT=', '400', green], 'back from the pairs');
    await browser.click('#Pairs');
    await shown(browser, 'PairsForm');

    await add(browser, '430');
    // Two slips: -400 for 400, corrected with ±, and 1430 typed twice over, removed.
    await add(browser, '-400');
    await add(browser, '1430');
    await browser.click('#PairsRows [aria-label="Corriger -400"]');
    await fieldReads(browser, ['-400', '', null, 'Valider', 'PairsScore'], 'correcting -400');
    await add(browser, '400', () => browser.click('#PairsScoreSign'));
    await browser.click('#PairsRows [aria-label="Corriger 1430"]');
    // Supprimer shows where the row was tapped: from the keyboard, which no
    // double tap's guard holds back, whenever the driver comes to it.
    await browser.evaluate(() => PairsRemove.focus());
    await browser.key('Enter');
    await pairsShow(browser, board, 'three results');
    await fieldReads(browser, ['', '', null, 'Ajouter', 'PairsScore'], 'after the removal');

    // Kept as typed, a half-typed score too.
    await browser.type('#PairsScore', '14');
    await browser.reload();
    await shown(browser, 'PairsForm');
    await pairsShow(browser, board, 'after a reload');
    await settles(browser, () => [PairsBoard.value, PairsScore.value], ['7', '14'], 'after a reload');

    // Ninety-nine results stored: a hundredth is refused.
    await storeRecord(browser, await browser.evaluate(pairsKey), JSON.stringify({ version: 2,
      revision: 1, board: 7, results: Array.from({ length: 99 }, (_, id) => ({ id, score: 0 })), nextId: 99, lastEntry: null }));
    await browser.reload();
    await shown(browser, 'PairsForm');
    await browser.fill('#PairsScore', '0');
    await browser.click('#PairsAdd');
    await fieldReads(browser, ['0', 'Une donne compte au plus 99 résultats.', 'true', 'Ajouter', 'PairsScore'], 'a hundredth');

    // A new board only once confirmed: the next one; Escape goes back.
    await browser.click('#PairsNew');
    await browser.click('#PairsConfirmNo');
    await settles(browser, () => PairsRows.rows.length, 99, 'not confirmed');
    await browser.click('#PairsNew');
    await browser.click('#PairsConfirmYes');
    await pairsShow(browser, ['Ajoutez au moins deux résultats.'], 'a new board');
    await settles(browser, () => [PairsBoard.value, PairsDealt.textContent], ['8', 'Ouest · Personne'], 'a new board');
    await browser.key('Escape');
    await shown(browser, 'Form1');
  },

  async 'pairs: a record set aside, a later version\'s, and storage blocked, each said on the screen'(browser) {
    const blocked = () => {
      Object.defineProperty(window, 'indexedDB', { get() { throw new DOMException('', 'SecurityError'); } });
    };
    const stored = JSON.stringify({ version: 2, revision: 1, board: 1, results: [], nextId: 1, lastEntry: null });
    for (const [record, prepare, said] of [
      ['{', () => {}, ["La donne enregistrée n'a pas pu être relue ; elle reste gardée à part sur cet appareil.", '']],
      [stored.replace('"version":2', '"version":3'), () => {},
        ['', 'Cette donne a été enregistrée par une version plus récente de QUIMBEL : rechargez la page.']],
      [stored, blocked, ['', 'Attention : cette donne ne sera pas conservée sur cet appareil.']]]) {
      // Stored, then the page's modules loaded anew on the calculator, `prepare` run, and the screen opened.
      await browser.evaluate(() => history.replaceState(null, ''));
      await storeRecord(browser, await browser.evaluate(pairsKey), record);
      await browser.reload();
      await shown(browser, 'Form1');
      await browser.evaluate(prepare);
      await browser.click('#Pairs');
      await shown(browser, 'PairsForm');
      await browser.type('#PairsScore', '5');
      await settles(browser, () => [PairsNote.textContent, PairsUnkept.textContent], said, record);
    }
    // Storage comes back with the page.
    await browser.reload();
    await shown(browser, 'PairsForm');
    await browser.key('Escape');
    await shown(browser, 'Form1');
  },
};
