// The pairs screen as a player uses it, checked the same way in every
// browser: a board's results carried, typed, refused, corrected and removed,
// their figures read off the table column by column, kept over a reload; a
// Howell typed as a director would, its ranking read off its table. The
// arithmetic itself is the engine's, tested in the core; one board's
// figures and one session's, worked by hand, check how the page writes them.
import assert from 'node:assert/strict';
import { linesShow, press, settles } from './calculator_checks.mjs';
import { storeRecord, storedRecord } from './match_checks.mjs';

const columns = ['ColScore', 'ColNS', 'ColEW', 'ColRank', 'ColMP', 'ColPctNS', 'ColPctEW', 'ColCross', 'ColButler'];

// The line above `table`, then each row's cells by the header cell each
// names ("?" for a column whose header is not a <th>), empty cells left
// out; each row's first cell its header.
const readTable = ([table, line, ids]) => [document.getElementById(line).textContent,
  ...[...document.querySelectorAll(`#${table} tbody tr`)].map((row) => ids.map((id, i) =>
    (document.getElementById(id)?.localName === 'th' && (i > 0 || row.cells[0].matches('th[scope="row"]'))
      ? row.querySelector(`[headers="${id}"]`)?.textContent ?? '?' : '?')).filter(Boolean).join(' '))];
const pairsShow = (browser, expected, message) => settles(browser, readTable, expected, message, ['PairsResults', 'PairsSummary', columns]);
const rankingShows = (browser, expected, message) => settles(browser, readTable, expected, message,
  ['PairsRanking', 'PairsRankingNote', ['ColPair', 'ColPlace', 'ColPlayed', 'ColTotal', 'ColPercent']]);
// The score field, what it says, the button's name, and where the focus is.
const fieldReads = (browser, expected, message) => settles(browser, () => [PairsScore.value, PairsScoreError.textContent,
  PairsScore.getAttribute('aria-invalid'), PairsAdd.textContent, document.activeElement.id], expected, message);
const shown = (browser, id) => settles(browser, (element) => document.getElementById(element)?.hidden === false, true, `${id} shown`, id);
// `step` (a tap, a key, a reload) taken, then `id` shown.
const shownAfter = (browser, step, id = 'PairsForm') => step.then(() => shown(browser, id));
// A field set as a paste ('input') or a tap on a list ('change') would: a driver's clear would leave the field first.
const setField = (browser, id, value, type) => browser.evaluate(([field, text, kind]) => {
  document.getElementById(field).value = text;
  document.getElementById(field).dispatchEvent(new Event(kind));
}, [id, value, type]);
const pasteBoard = (browser, text) => setField(browser, 'PairsBoard', text, 'input');
// The board's own storage key, in the page.
const pairsKey = () => `quimbel.pairs ${new URL('.', location.href).pathname}`;
const session = (boards, nextId, revision = 1, tournament = null) =>
  JSON.stringify({ version: 4, revision, movement: 'howell', tournament, boards, nextId, lastEntry: null });
// A result typed and added; once saved, the field is emptied.
async function add(browser, score, typed = () => browser.type('#PairsScore', score)) {
  await typed();
  await browser.click('#PairsAdd');
  await settles(browser, () => PairsScore.value, '', `${score} saved`);
}
// Supprimer on the row `label`: from the keyboard, which no double tap's
// guard holds back, whenever the driver comes to it.
const removeRow = (browser, label) => browser.click(`#PairsRows [aria-label="Corriger ${label}"]`)
  .then(() => browser.evaluate(() => PairsRemove.focus())).then(() => browser.key('Enter'));
const choose = (browser, id, value) => setField(browser, id, value, 'change');
// A result's pairs and score typed, or `adjusted`'s code chosen, and
// added (`before` run just ahead of Ajouter); or the E-W pair refused with `refusal`, the fields kept.
async function addResult(browser, [ns, ew, score, adjusted, refusal = ''], before = async () => {}) {
  await browser.fill('#PairsNS', ns);
  await browser.fill('#PairsEW', ew);
  if (adjusted) await choose(browser, 'PairsAdjusted', adjusted);
  else await browser.fill('#PairsScore', score);
  await before();
  await browser.click('#PairsAdd');
  await settles(browser, () => [PairsEWError.textContent, document.activeElement.id, PairsNS.value],
    [refusal, refusal ? 'PairsEW' : 'PairsNS', refusal ? ns : ''], `${ns} v ${ew}: ${score}`);
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
    await shownAfter(browser, browser.click('#Pairs'));
    await pasteBoard(browser, '100');
    await settles(browser, () => [PairsBoardError.textContent, PairsBoard.getAttribute('aria-invalid')], ['De 1 à 99.', 'true'], 'board 100');
    await pasteBoard(browser, '7');
    await settles(browser, () => [PairsBoardError.textContent, PairsDealt.textContent, PairsCarry.textContent],
      ['', 'Sud · Tous', 'Reporter 400'], 'board 7');
    await browser.click('#PairsCarry');
    await browser.click('#PairsAdd');
    await pairsShow(browser, ['Ajoutez au moins deux marques.', '400'], 'one result');
    await shownAfter(browser, browser.click('#PairsBack'), 'Form1');
    await linesShow(browser, ['3NT=', '400', 'rgb(0, 192, 0)'], 'back from the pairs');
    await shownAfter(browser, browser.click('#Pairs'));

    // Two slips after 430: -400 for 400, corrected with ±, and 1430 typed twice over, removed.
    for (const score of ['430', '-400', '1430']) await add(browser, score);
    await browser.click('#PairsRows [aria-label="Corriger -400"]');
    await fieldReads(browser, ['-400', '', null, 'Valider', 'PairsScore'], 'correcting -400');
    await add(browser, '400', () => browser.click('#PairsScoreSign'));
    // Escape cancels a correction before it leaves the screen.
    await browser.click('#PairsRows [aria-label="Corriger 1430"]');
    await browser.key('Escape');
    await fieldReads(browser, ['', '', null, 'Ajouter', 'PairsScore'], 'a correction escaped');
    // Supprimer shows where the row was tapped.
    await removeRow(browser, '1430');
    await pairsShow(browser, board, 'three results');
    await fieldReads(browser, ['', '', null, 'Ajouter', 'PairsScore'], 'after the removal');

    // Kept as typed, a half-typed score too, the removal once stored, as a player's reload comes after it.
    await browser.type('#PairsScore', '14');
    const key = await browser.evaluate(pairsKey);
    while (JSON.parse(await storedRecord(browser, key)).boards[0].results.some(({ score }) => score === 1430));
    await shownAfter(browser, browser.reload());
    await pairsShow(browser, board, 'after a reload');
    await settles(browser, () => [PairsBoard.value, PairsScore.value], ['7', '14'], 'after a reload');

    // Ninety-nine results stored: a hundredth is refused.
    await storeRecord(browser, key,
      session([{ number: 7, results: Array.from({ length: 99 }, (_, id) => ({ id, ns: null, ew: null, score: 0 })) }], 99));
    await shownAfter(browser, browser.reload());
    await browser.fill('#PairsScore', '0');
    await browser.click('#PairsAdd');
    await fieldReads(browser, ['0', 'Une donne compte au plus 99 résultats.', 'true', 'Ajouter', 'PairsScore'], 'a hundredth');

    // The next board, its traveller kept; a new session only once confirmed. Escape goes back.
    await browser.click('#PairsNext');
    await pairsShow(browser, ['Ajoutez au moins deux marques.'], 'the next board');
    await settles(browser, () => [PairsBoard.value, PairsDealt.textContent], ['8', 'Ouest · Personne'], 'the next board');
    await pasteBoard(browser, '7');
    await settles(browser, () => PairsRows.rows.length, 99, 'board 7 kept');
    await browser.click('#PairsNew');
    await browser.click('#PairsConfirmNo');
    await settles(browser, () => PairsRows.rows.length, 99, 'not confirmed');
    await browser.click('#PairsNew');
    await browser.click('#PairsConfirmYes');
    await pairsShow(browser, ['Ajoutez au moins deux marques.'], 'a new session');
    await settles(browser, () => PairsBoard.value, '1', 'a new session');
    // Another page's new tournament, not yet heard: a result typed on board 3 is added to none, kept for board 1.
    await pasteBoard(browser, '3');
    await browser.fill('#PairsScore', '50');
    // Once the page has stored what it typed, so that nothing it stores reads the new tournament before Ajouter.
    while (JSON.parse(await storedRecord(browser, key)).lastEntry?.entry.score !== '50');
    await storeRecord(browser, key, session([], 99, 1000, 9));
    await browser.click('#PairsAdd');
    await settles(browser, () => [PairsBoard.value, PairsRows.rows.length, PairsScore.value, PairsNote.textContent],
      ['1', 0, '50', 'Nouveau tournoi commencé sur une autre page : donne 1 ; votre saisie est gardée.'], 'another page\'s new tournament');
    await shownAfter(browser, browser.key('Escape'), 'Form1');
  },

  async 'pairs: a Howell of two tables typed as a director would, its ranking by its columns, kept over a reload, shared'(browser) {
    await shownAfter(browser, browser.click('#Pairs'));
    // Board 1: 1 v 2 makes 420, 3 v 4 400. Board 2: 1 v 3 and 2 v 4 both
    // -100, 3 refused at the second table, having played the board. Board 3:
    // 1 v 4 given 60 / 40; 2 v 3's 140 typed 110, then corrected.
    for (const [board, ...results] of [['1', ['1', '2', '420'], ['3', '4', '400']],
      ['2', ['1', '3', '-100'], ['2', '3', '-100', '', 'La paire 3 a déjà joué cette donne.'],
      // A number pasted whole, refused rather than cut to its first two digits.
      ['2', '123', '-100', '', 'Un numéro de paire va de 1 à 99.'], ['2', '4', '-100']],
      ['3', ['1', '4', '', '1'], ['2', '3', '110']]]) {
      await pasteBoard(browser, board);
      for (const result of results) await addResult(browser, result);
    }
    await browser.click('#PairsRows [aria-label="Corriger 110"]');
    await browser.fill('#PairsScore', '140');
    await browser.click('#PairsAdd');
    await settles(browser, () => PairsNote.textContent, 'Résultat 2 contre 3, 110 corrigé : 2 contre 3, 140.', 'corrected');
    await pairsShow(browser, ['Ajoutez au moins deux marques.', '140 2 3', '60 / 40 1 4'], 'board 3');
    // N is 2, each board's top 2. Board 3's one score is worth 1 to each side
    // by Neuberg: (0 + 1) × 2 / 1 - 1. Pair 1 scored 2 + 1 of 4, 75 %, above
    // 60 %: its 60 is 1,5; pair 4 scored 75 % too, above 40 %: its 40 is
    // 0,8. Pair 1: 2 + 1 + 1,5 = 4,5 of 6; pair 4: 2 + 1 + 0,8 = 3,8, 63,33 %;
    // pairs 2 and 3: 0 + 1 + 1 = 2, 33,33 %.
    const howell = ['', '1 1 3 4,5 75,00 %', '4 2 3 3,8 63,33 %', '2 3= 3 2,0 33,33 %', '3 3= 3 2,0 33,33 %'];
    await rankingShows(browser, howell, 'a Howell');
    // The adjusted score removed: pairs 1 and 4, 3 of 4 on two boards, tie; then brought back, after a reload.
    await removeRow(browser, '60 / 40');
    await rankingShows(browser, ['', '1 1= 2 3,0 75,00 %', '4 1= 2 3,0 75,00 %', '2 3= 3 2,0 33,33 %', '3 3= 3 2,0 33,33 %'], 'removed');
    // Once stored: a reload before would leave the removal unstored.
    const key = await browser.evaluate(pairsKey);
    while (!JSON.parse(await storedRecord(browser, key)).removed);
    await shownAfter(browser, browser.reload(), 'PairsUndo');
    await browser.click('#PairsUndo');
    await rankingShows(browser, howell, 'brought back');

    // Once stored, as above.
    while (JSON.parse(await storedRecord(browser, key)).removed);
    await shownAfter(browser, browser.reload());
    await rankingShows(browser, howell, 'after a reload');
    await browser.evaluate(() => {
      navigator.share = async ({ text }) => {
        window.shared = text;
      };
    });
    await browser.click('#PairsShare');
    const ranking = ['Tournoi par paires', '1. Paire 1 — 75,00 %', '2. Paire 4 — 63,33 %', '3= Paire 2 — 33,33 %', '3= Paire 3 — 33,33 %'].join('\n');
    await settles(browser, () => window.shared, ranking, 'shared');
    // Neither a share sheet nor a clipboard: the ranking shown, selected, to be copied by hand. From the
    // keyboard, which no double tap's guard holds back.
    await browser.evaluate(() => {
      navigator.share = undefined;
      Object.defineProperty(navigator, 'clipboard', { value: undefined });
      PairsShare.focus();
    });
    await browser.key('Enter');
    await settles(browser, () => [PairsNote.textContent, PairsShareText.checkVisibility(), PairsShareText.value.slice(PairsShareText.selectionStart,
      PairsShareText.selectionEnd)], ['Copiez le classement ci-dessous :', true, ranking], 'copied by hand');
    // In a Mitchell, each direction on its own: N-S 2 has 1 + 1 of 4, E-O 2 0 of 2.
    await choose(browser, 'PairsMovement', 'mitchell');
    await rankingShows(browser, ['', 'N-S 1 1 3 4,5 75,00 %', 'N-S 2 2 2 2,0 50,00 %', 'N-S 3 3 1 0,0 0,00 %',
      'E-O 4 1 3 3,8 63,33 %', 'E-O 3 2 2 2,0 50,00 %', 'E-O 2 3 1 0,0 0,00 %'], 'a Mitchell');
    // N-S 1 v E-O 1, as a Mitchell seats them: no Howell then, said at the movement, which stays.
    await pasteBoard(browser, '4');
    await addResult(browser, ['1', '1', '420']);
    await choose(browser, 'PairsMovement', 'howell');
    await settles(browser, () => [PairsMovement.value, PairsMovementError.textContent], ['mitchell',
      'Donne 4 : la paire 1 jouerait contre elle-même en Howell.'], 'no Howell');
    // Another page's Howell with pair 2 twice on board 4: no ranking, the board and result said aloud.
    const { tournament } = JSON.parse(await storedRecord(browser, key));
    const board4 = (revision, results) => session([{ number: 4, results }], 3, revision, tournament);
    await storeRecord(browser, key, board4(1000, [{ id: 1, ns: 1, ew: 2, score: 420 }, { id: 2, ns: 2, ew: 1, score: -50 }]), true);
    await rankingShows(browser, ['Donne 4, résultat 2 contre 1, -50 : la paire 2 joue deux fois. Corrigez-la pour obtenir le classement.'],
      'a Howell refused');
    await settles(browser, () => PairsRankingNote.getAttribute('aria-live'), 'polite', 'heard');
    // 6 v 5 typed here as another page, not yet heard, seats pair 5: refused as it is stored.
    await addResult(browser, ['6', '5', '100', '', 'La paire 5 a déjà joué cette donne.'],
      () => storeRecord(browser, key, board4(1001, [{ id: 1, ns: 1, ew: 5, score: 420 }])));
    await shownAfter(browser, browser.key('Escape'), 'Form1');
  },

  async 'pairs: a record set aside, a later version\'s, and storage blocked, each said on the screen; an earlier version\'s board kept'(browser) {
    // Storage out of reach until the page is told it is back.
    const blocked = () => {
      const { indexedDB: database } = window;
      Object.defineProperty(window, 'indexedDB', { get() {
        if (!window.storageBack) throw new DOMException('', 'SecurityError');
        return database;
      } });
    };
    const stored = session([], 1);
    for (const [record, prepare, said] of [
      ['{', () => {}, ["Le tournoi enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.", '', '1']],
      [stored.replace('"version":4', '"version":5'), () => {},
        ['', 'Ce tournoi a été enregistré par une version plus récente de QUIMBEL : rechargez la page.', '1']],
      // The board every page showed, before each had its own.
      [JSON.stringify({ version: 3, revision: 1, movement: 'howell', board: 7, boards: [], nextId: 1, lastEntry: null }), () => {}, ['', '', '7']],
      // A tab's correction kept from then: on the board of the result it corrects, not the one every page showed.
      [JSON.stringify({ version: 3, revision: 1, movement: 'howell', board: 1, nextId: 3, lastEntry: null, boards: [1, 2].map((number) =>
        ({ number, results: [{ id: number, ns: 1, ew: 2, score: 100 * number }] })) }), () => sessionStorage.setItem(
        `quimbel.pairs.entry ${new URL('.', location.href).pathname}`, JSON.stringify({ version: 1, revision: 1, entry:
          { ns: '1', ew: '2', adjusted: 0, score: '200', editing: 2, was: { id: 2, ns: 1, ew: 2, score: 200 } } })), ['', '', '2']],
      [session([], 1, 1, 5), blocked, ['', 'Attention : ce tournoi ne sera pas conservé sur cet appareil.', '1']]]) {
      // Stored, then the page's modules loaded anew on the calculator, as in a tab opened anew, `prepare` run, and the screen opened.
      await browser.evaluate(() => {
        history.replaceState(null, '');
        sessionStorage.clear();
      });
      await storeRecord(browser, await browser.evaluate(pairsKey), record);
      await shownAfter(browser, browser.reload(), 'Form1');
      await browser.evaluate(prepare);
      await shownAfter(browser, browser.click('#Pairs'));
      await browser.type('#PairsScore', '5');
      await settles(browser, () => [PairsNote.textContent, PairsUnkept.textContent, PairsBoard.value], said, record);
    }
    // A new tournament begun while storage is out of reach, over a record the page never read: once storage comes back,
    // the results added since are stored with it.
    await browser.click('#PairsNew');
    await browser.click('#PairsConfirmYes');
    for (const score of ['50', '-50']) await add(browser, score);
    await browser.evaluate(() => { window.storageBack = true; });
    await browser.type('#PairsNS', '1');
    const key = await browser.evaluate(pairsKey);
    let record;
    do record = JSON.parse(await storedRecord(browser, key)); while (record.revision === 1);
    assert.deepEqual(record.boards.map(({ number, results }) => [number, ...results.map(({ score }) => score)]), [[1, 50, -50]]);
    await shownAfter(browser, browser.reload());
    await shownAfter(browser, browser.key('Escape'), 'Form1');
  },
};
