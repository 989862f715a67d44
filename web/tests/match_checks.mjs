// The match screen as a player uses it, checked the same way in every
// browser: boards keyed, carried from the calculator, signed, corrected and
// removed, kept over a reload, and what is refused. The IMPs themselves are
// the engine's, tested in the core.
import assert from 'node:assert/strict';
import { linesShow, press, settles } from './calculator_checks.mjs';

const red = 'rgb(192, 0, 0)';

// The total and each board as the screen shows them, once they read so.
const readMatch = () => [document.getElementById('Total').textContent,
  ...[...document.querySelectorAll('#Boards .board')].map((board) => [...board.children].map((cell) => cell.textContent).join(' '))];
const matchShows = (browser, expected, message) => settles(browser, readMatch, expected, message);
const fieldsRead = (browser, expected, message) => settles(browser, () => ['Own', 'Other'].map((id) =>
  [document.getElementById(id).value, document.getElementById(`${id}Error`).textContent]), expected, message);
const shown = (browser, id, expected) =>
  settles(browser, (element) => document.getElementById(element)?.hidden === false, expected, `${id} shown`, id);

async function openMatch(browser) {
  await browser.click('#Match');
  await shown(browser, 'MatchForm', true);
}

export const matchChecks = {
  async 'match: boards carried, signed, keyed, refused, corrected, removed, kept over a reload'(browser) {
    // 4♥ made vulnerable at our table, carried; back to the calculator as it was.
    await press(browser, 'INI 4 ♥ V');
    await openMatch(browser);
    await browser.click('#Carry');
    await browser.click('#MatchBack');
    await shown(browser, 'Form1', true);
    await linesShow(browser, ['4♥=', '620', red], 'back from the match');
    // 4♠+1 made by the opponents at the other table: carried, then signed.
    await press(browser, 'INI 4 ♠ + 1 V');
    await openMatch(browser);
    await browser.click('#Carry');
    await browser.click('#OtherSign');
    await fieldsRead(browser, [['620', ''], ['-650', '']], 'carried and signed');
    await browser.click('#Save');
    await matchShows(browser, ['-1 IMP', 'Donne 1 620 -650 -1 IMP'], 'board 1');

    // Typed, with a sign change and a leading zero; then refused scores.
    await browser.type('#Own', '100');
    await browser.click('#OwnSign');
    await browser.type('#Other', '0200');
    await browser.click('#Save');
    await matchShows(browser, ['+2 IMP', 'Donne 1 620 -650 -1 IMP', 'Donne 2 -100 200 +3 IMP'], 'board 2');
    await browser.type('#Own', '6200');
    await browser.type('#Other', '625');
    await browser.click('#Save');
    await fieldsRead(browser, [['6200', 'Aucune donne ne marque 6200.'],
      ['625', 'Une marque de donne se termine toujours par 0.']], 'refused');
    await browser.fill('#Own', '-');
    await browser.fill('#Other', '');
    await browser.click('#Save');
    await fieldsRead(browser, [['-', 'Tapez la marque en chiffres, par exemple 620 ou -650.'],
      ['', 'Saisissez la marque de cette table.']], 'refused');
    await matchShows(browser, ['+2 IMP', 'Donne 1 620 -650 -1 IMP', 'Donne 2 -100 200 +3 IMP'], 'nothing counted');

    // Board 1 corrected, board 2 removed.
    await browser.click('#Boards li:first-child button');
    await fieldsRead(browser, [['620', ''], ['-650', '']], 'correcting board 1');
    await browser.fill('#Other', '-420');
    await browser.click('#Save');
    await matchShows(browser, ['+8 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 2 -100 200 +3 IMP'], 'corrected');
    await browser.click('#Boards li:nth-child(2) button');
    await browser.click('#Remove');
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP'], 'removed');

    // What is typed is kept as it is typed, boards and a half-filled one.
    await browser.type('#Own', '1430');
    await browser.reload();
    await shown(browser, 'MatchForm', true);
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP'], 'after a reload');
    await fieldsRead(browser, [['1430', ''], ['', '']], 'after a reload');

    // A new match only once confirmed; Escape goes back to the calculator.
    await browser.click('#NewMatch');
    await browser.click('#ConfirmNo');
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP'], 'not confirmed');
    await browser.click('#NewMatch');
    await browser.click('#ConfirmYes');
    await matchShows(browser, ['0 IMP'], 'a new match');
    await browser.key('Escape');
    await shown(browser, 'Form1', true);
  },

  async 'match: a hundred stored boards read whole; a record corrupt or of another version counts for nothing'(browser) {
    const hundred = JSON.stringify({ version: 1, boards: Array(100).fill([620, -650]),
      draft: { Own: '', Other: '', editing: null } });
    await browser.evaluate((text) => localStorage.setItem('quimbel.match', text), hundred);
    await browser.reload();
    await openMatch(browser);
    await settles(browser, () => [Total.textContent, Boards.children.length], ['-100 IMP', 100], 'a hundred boards');
    await browser.key('Escape');
    // Refused: a text for a score, 620 past 32 bits (which the engine's int
    // would read as 620), another version, and no JSON at all.
    for (const record of ['{"version":1,"boards":[[620,-650],[620,"x"]],"draft":{"Own":"","Other":"","editing":null}}',
      '{"version":1,"boards":[[4294967916,-650]],"draft":{"Own":"","Other":"","editing":null}}',
      '{"version":2,"boards":[[620,-650]],"draft":{"Own":"","Other":"","editing":null}}', '{']) {
      // Stored, then read at the next start, on the calculator.
      await browser.evaluate((text) => {
        localStorage.setItem('quimbel.match', text);
        history.replaceState(null, '');
      }, record);
      await browser.reload();
      await shown(browser, 'Form1', true);
      await openMatch(browser);
      await matchShows(browser, ['0 IMP'], record);
      await settles(browser, () => document.getElementById('MatchNote').textContent,
        "Le match enregistré n'a pas pu être relu.", record);
      await browser.key('Escape');
      await shown(browser, 'Form1', true);
      await press(browser, 'INI 3 - 3 V');
      await linesShow(browser, ['3-3', '36 %', red], record);
    }
  },
};
