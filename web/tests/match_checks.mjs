// The match screen as a player uses it, checked the same way in every
// browser: boards keyed, carried from the calculator, signed, corrected and
// removed, saved with one table's score and completed, kept over a reload,
// and what is refused. The IMPs themselves are
// the engine's, tested in the core.
import assert from 'node:assert/strict';
import { linesShow, press, settles } from './calculator_checks.mjs';

const red = 'rgb(192, 0, 0)';

// The total and each board as the screen shows them, once they read so.
const readMatch = () => [document.getElementById('Total').textContent,
  ...[...document.querySelectorAll('#Boards .board')].map((board) => [...board.querySelectorAll('span')].map((cell) => cell.textContent).join(' '))];
const matchShows = (browser, expected, message) => settles(browser, readMatch, expected, message);
const fieldsRead = (browser, expected, message) => settles(browser, () => ['Own', 'Other'].map((id) =>
  [document.getElementById(id).value, document.getElementById(`${id}Error`).textContent]), expected, message);
const shown = (browser, id, expected) =>
  settles(browser, (element) => document.getElementById(element)?.hidden === false, expected, `${id} shown`, id);

async function openMatch(browser) {
  await browser.click('#Match');
  await shown(browser, 'MatchForm', true);
}
const focusIs = (browser, id, message) => settles(browser, () => document.activeElement.id, id, message);
// Both tables' scores filled in, then Valider; once `saved`, the fields are emptied.
export async function keyBoard(browser, own, other, saved = true) {
  await browser.fill('#Own', own);
  await browser.fill('#Other', other);
  await browser.click('#Save');
  if (saved) await settles(browser, () => Own.value, '', `${own} / ${other} saved`);
}
// A field's text set as a paste would, which every driver can do alike.
const paste = (browser, id, text) => browser.evaluate(([field, value]) => {
  document.getElementById(field).value = value;
  document.getElementById(field).dispatchEvent(new Event('input'));
}, [id, text]);
// The match's own storage key, in the page.
const storeKey = () => `quimbel.match ${new URL('.', location.href).pathname}`;

// The page's database of records, as another page of the site opens it: `use`
// is given its store of records in a transaction, and its last request's result.
const inDatabase = (browser, use, arg) => browser.evaluate(([body, value]) => new Promise((resolve, reject) => {
  const opening = indexedDB.open('quimbel', 1);
  opening.onupgradeneeded = () => opening.result.createObjectStore('records');
  opening.onerror = () => reject(opening.error);
  opening.onsuccess = () => {
    const transaction = opening.result.transaction('records', 'readwrite');
    const request = { get: (records, [key]) => records.get(key), put: (records, [key, text]) => records.put(text, key) }[body](
      transaction.objectStore('records'), value);
    transaction.oncomplete = () => {
      opening.result.close();
      resolve(request.result ?? null);
    };
  };
}), [use, arg]);
export const storedRecord = (browser, key) => inDatabase(browser, 'get', [key]);
// Stores `text` under `key`; `heard`, says so to the pages open, as another page does.
export async function storeRecord(browser, key, text, heard = false) {
  await inDatabase(browser, 'put', [key, text]);
  if (heard) await browser.evaluate((name) => new BroadcastChannel(name).postMessage(''), key);
}

// Stores `text` as the match and opens the match screen at the next start,
// the page's modules loaded anew; `prepare` runs first.
export async function storeAndOpen(browser, text, prepare = () => {}) {
  await browser.evaluate(() => history.replaceState(null, ''));
  await storeRecord(browser, await browser.evaluate(storeKey), text);
  await browser.reload();
  await shown(browser, 'Form1', true);
  await browser.evaluate(prepare);
  await openMatch(browser);
}
const match = (boards) => JSON.stringify({ version: 7, revision: 1, boards: boards.map(([own, other], i) => ({ id: i + 1, number: i + 1, own, other })),
  nextId: boards.length + 1, matchLength: null, lastEntry: null, received: null, removed: null });

// A match of today's version: each board [number, our table's score, the other table's].
export const matchRecord = (boards) => JSON.stringify({ version: 7, revision: 1, nextId: boards.length + 1, matchLength: null, lastEntry: null,
  received: null, removed: null, boards: boards.map(([number, own, other], i) => ({ id: i + 1, number, own, other })) });
const storedBoards = async (browser) => JSON.parse(await storedRecord(browser, await browser.evaluate(storeKey))).boards
  .map(({ number, own, other }) => [number, own, other]);
// The calculator shown, over an empty match, as the other checks begin.
export async function leaveEmpty(browser) {
  await storeAndOpen(browser, matchRecord([]));
  await browser.key('Escape');
  await shown(browser, 'Form1', true);
}
// A link opened in the page already open, as pasted into its address bar.
const openLink = (browser, link) => browser.evaluate((address) => {
  location.href = address;
}, link);

export const matchChecks = {
  async 'match: a card sent, received in a page already open, placed in Autre table; a card altered changes nothing'(browser) {
    await storeAndOpen(browser, matchRecord([[9, 620, null], [10, -100, null]]));
    // From the keyboard: a tap there within the quiet time of the opener's is rightly not taken, and the check's pace is the machine's.
    await browser.evaluate(() => SendCard.focus());
    await browser.key('Enter');
    await settles(browser, () => CardQR.ariaLabel, 'Code QR de ma carte : donnes 9 à 10', 'sent');
    const link = await browser.evaluate(() => CardLink.textContent);
    await browser.click('#CardClose');
    // The teammate's match: board 10 with our table's score alone, being corrected to 150.
    await storeAndOpen(browser, matchRecord([[10, 140, null]]));
    await browser.click('#Boards li:first-child button');
    await browser.fill('#Own', '150');
    const at = link.indexOf('#CARTE') + 9;
    await openLink(browser, link.slice(0, at) + (link[at] === '0' ? '1' : '0') + link.slice(at + 1));
    await settles(browser, () => [CardReceived.open, ReceivedText.textContent, CardAccept.hidden, CardRefuse.textContent],
      [true, 'Lien coupé ou modifié en chemin : redemandez-le.', true, 'Fermer'], 'altered');
    await browser.click('#CardRefuse');
    await openLink(browser, link);
    await settles(browser, () => [CardReceived.open, ReceivedText.textContent, location.hash], [true, "Carte de l'autre table : donnes 9 à 10.", ''],
      'received');
    await browser.click('#CardAccept');
    await settles(browser, () => CardReceived.open, false, 'placed');
    await settles(browser, () => MatchNote.textContent, 'Carte placée dans Autre table : 2 donnes.', 'placed');
    // The correction, told of the card's score, takes it rather than blanking it.
    await browser.click('#Save');
    await settles(browser, () => [Own.value, Other.value], ['150', '-100'], 'the card\'s score taken into the correction');
    // From the keyboard: a second tap at the same spot within the double tap's quiet time is rightly not taken.
    await browser.evaluate(() => Save.focus());
    await browser.key('Enter');
    await settles(browser, () => Own.value, '', 'corrected');
    assert.deepEqual(await storedBoards(browser), [[9, null, 620], [10, 150, -100]]);
    await leaveEmpty(browser);
  },

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
    await keyBoard(browser, '6200', '625', false);
    await fieldsRead(browser, [['6200', 'Aucune donne ne marque 6200.'],
      ['625', 'Une marque de donne se termine toujours par 0.']], 'refused');
    await settles(browser, () => Own.getAttribute('aria-invalid'), 'true', 'refused');
    await focusIs(browser, 'Own', 'refused');
    await keyBoard(browser, '', '', false);
    await matchShows(browser, ['+2 IMP', 'Donne 1 620 -650 -1 IMP', 'Donne 2 -100 200 +3 IMP'], 'nothing counted');

    // Board 1 corrected, board 2 removed.
    await browser.click('#Boards li:first-child button');
    await fieldsRead(browser, [['620', ''], ['-650', '']], 'correcting board 1');
    await browser.fill('#Other', '-420');
    await browser.click('#Save');
    await matchShows(browser, ['+8 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 2 -100 200 +3 IMP'], 'corrected');
    await focusIs(browser, 'Own', 'corrected');
    // VPs on the boards entered until the length is set, and never on fewer:
    // +8 on 16 boards is 12,29 in the WBF's published table.
    const onEntered = await browser.evaluate(() => VictoryPoints.textContent);
    await paste(browser, 'MatchLength', '16');
    await settles(browser, () => VictoryPoints.textContent, '12,29 – 7,71 PV', 'on 16 boards');
    await paste(browser, 'MatchLength', '1');
    await settles(browser, () => VictoryPoints.textContent, onEntered, 'on 1 board: on the 2 entered');
    await browser.click('#Boards li:nth-child(2) button');
    await browser.click('#Remove');
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP'], 'removed');
    await focusIs(browser, 'Own', 'removed');

    // The entry's board as typed, its dealer and vulnerability named (the
    // cycle itself is the core's); saved with our table's score alone, it
    // waits, counted for nothing.
    for (const [number, dealt] of [['2', '· Est · N-S'], ['9', '· Nord · E-O'], ['99', '· Sud · E-O']]) {
      await paste(browser, 'EntryNumber', number);
      await settles(browser, () => EntryDealt.textContent, dealt, number);
    }
    const counted = await browser.evaluate(() => VictoryPoints.textContent);
    await keyBoard(browser, '-1430', '');
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 99 -1430  en attente'], 'waiting');
    await settles(browser, () => VictoryPoints.textContent, counted, 'waiting, counted for nothing');

    // What is typed is kept as it is typed, boards and a half-filled one,
    // signed in a field as full as it goes.
    await browser.fill('#Own', '1430');
    await browser.type('#Other', '00000620');
    await browser.click('#OtherSign');
    await browser.reload();
    await shown(browser, 'MatchForm', true);
    await matchShows(browser, ['+5 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 99 -1430  en attente'], 'after a reload');
    await fieldsRead(browser, [['1430', ''], ['-620', '']], 'after a reload');
    // A waiting board completed by a tap on it, which opens on the missing
    // score, even from the board's number field, whose leaving redraws the screen.
    await browser.click('#EntryNumber');
    await browser.click('#Boards li:nth-child(2) button');
    await focusIs(browser, 'Other', 'completing');
    await browser.type('#Other', '1460');
    await browser.click('#Save');
    await matchShows(browser, ['+6 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 99 -1430 1460 +1 IMP'], 'completed');
    await fieldsRead(browser, [['1430', ''], ['-620', '']], 'completed');
    // Escape cancels a correction before it leaves the screen.
    await browser.click('#Boards li:first-child button');
    await browser.key('Escape');
    await settles(browser, () => [EntryTitle.textContent, Own.value, MatchForm.hidden], ['Donne', '1430', false], 'Escape');

    // A new match only once confirmed; Escape goes back to the calculator.
    await browser.click('#NewMatch');
    await browser.click('#ConfirmNo');
    await matchShows(browser, ['+6 IMP', 'Donne 1 620 -420 +5 IMP', 'Donne 99 -1430 1460 +1 IMP'], 'not confirmed');
    await browser.click('#NewMatch');
    await browser.click('#ConfirmYes');
    await settles(browser, () => [Total.textContent, VictoryPoints.textContent, EntryNumber.value], ['0 IMP', '', '1'], 'a new match');
    // Back with the box open closes it, or it would hold the whole page.
    await browser.click('#NewMatch');
    await browser.evaluate(() => history.back());
    await shown(browser, 'Form1', true);
    await settles(browser, () => Confirm.open, false, 'back with the box open');
  },

  async 'match: a change stored by another page is never written over, nor the field being typed, nor the board it is typed for'(browser) {
    await storeAndOpen(browser, match([[620, -650]]));
    // Another page adds a board: this one either hears of it or, restored
    // from the back-forward cache, does not.
    const key = await browser.evaluate(storeKey);
    const anotherPage = async (heard, change = ({ boards, nextId }) =>
      ({ boards: [...boards, { id: nextId, number: nextId, own: 100, other: -100 }], nextId: nextId + 1 })) => {
      const stored = JSON.parse(await storedRecord(browser, key));
      await storeRecord(browser, key, JSON.stringify({ ...stored, revision: stored.revision + 1, ...change(stored) }), heard);
    };
    // Board 2 begun here, then stored by another page unheard of: refused, as a board 2 typed would be.
    await browser.type('#Own', '420');
    await anotherPage(false);
    await keyBoard(browser, '420', '-420', false);
    await settles(browser, () => [EntryNumber.value, EntryNumberError.textContent, Own.value],
      ['2', 'Donne 2 déjà saisie : touchez-la pour la corriger.', '420'], 'refused unheard');
    await paste(browser, 'EntryNumber', '3');
    await keyBoard(browser, '420', '-420');
    await matchShows(browser, ['-1 IMP', 'Donne 1 620 -650 -1 IMP', 'Donne 2 100 -100 0 IMP', 'Donne 3 420 -420 0 IMP'], 'not heard');
    // Boards 4 and 5 added, waiting for our table, as a teammate's card places them, while board 4 is typed here.
    await browser.type('#Own', '140');
    await browser.reload();
    await shown(browser, 'MatchForm', true);
    await anotherPage(true, ({ boards, nextId }) => ({ nextId: nextId + 2,
      boards: [...boards, ...[-100, 50].map((other, i) => ({ id: nextId + i, number: 4 + i, own: null, other }))] }));
    await settles(browser, () => [Boards.children.length, EntryNumber.value, Own.value], [5, '4', '140'], 'heard while typing');
    await anotherPage(true, ({ boards }) => ({ boards: boards.slice(1) }));
    await settles(browser, () => [Boards.querySelector('span').textContent, EntryNumber.value, Own.value],
      ['Donne 2', '4', '140'], 'a removal heard');
    await browser.click('#Save');
    await matchShows(browser, ['+1 IMP', 'Donne 2 100 -100 0 IMP', 'Donne 3 420 -420 0 IMP', 'Donne 4 140 -100 +1 IMP', 'Donne 5  50 en attente'],
      'board 4 completed');
    // Board 6 begun here when another page begins a new match: it becomes the new match's board 1, said.
    await browser.type('#Own', '620');
    await anotherPage(true, ({ matchNumber }) => ({ boards: [], matchNumber: (matchNumber ?? 0) + 1 }));
    await settles(browser, () => [EntryNumber.value, Own.value, MatchNote.textContent],
      ['1', '620', 'Nouveau match commencé sur une autre page : donne 1 ; vos marques sont gardées.'], 'a new match heard');
  },
  async 'match: a record set aside, a later version\'s, and storage blocked, each said on the screen'(browser) {
    // Storage out of reach until the page is told it is back.
    const blocked = () => {
      const { indexedDB: database } = window;
      Object.defineProperty(window, 'indexedDB', { get() {
        if (!window.storageBack) throw new DOMException('', 'SecurityError');
        return database;
      } });
    };
    for (const [record, prepare, said] of [
      ['{', undefined, ["Le match enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.", '']],
      [match([[620, -650]]).replace('"version":7', '"version":8'), undefined,
        ['', 'Ce match a été enregistré par une version plus récente de QUIMBEL : rechargez la page.']],
      [match([[620, -650]]).replace('"removed":null}', '"removed":null,"matchNumber":5}'), blocked,
        ['', 'Attention : ce match ne sera pas conservé sur cet appareil.']]]) {
      await storeAndOpen(browser, record, prepare);
      await browser.type('#MatchLength', '5');
      await settles(browser, () => [MatchNote.textContent, MatchUnkept.textContent], said, record);
    }
    // A new match begun while storage is out of reach, over a record the page never read: once storage comes back,
    // the boards saved since are stored with it.
    await browser.click('#NewMatch');
    await browser.click('#ConfirmYes');
    await keyBoard(browser, '420', '-450');
    await browser.evaluate(() => { window.storageBack = true; });
    await browser.type('#MatchLength', '6');
    let boards;
    do boards = await storedBoards(browser); while (boards.length && boards[0][1] === 620);
    assert.deepEqual(boards, [[1, 420, -450]]);
    await browser.reload();
    await shown(browser, 'MatchForm', true);
    await browser.key('Escape');
    await shown(browser, 'Form1', true);
  },
};
