// The match and pairs screens in Chromium as a player uses them, phone in
// hand: two tabs each with their own entry, nothing typed lost to a tap, to
// a reload or to another page saving at the same moment, one action per
// tap, a removal undone, a paste read whole.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { checkedBrowser, launch, openCalculator, phone, serveSite, stopClock } from '../../tools/web/chromium.mjs';
import { press, settles } from './calculator_checks.mjs';
import { matchRecord, storedRecord, storeRecord } from './match_checks.mjs';

const jsQR = createRequire(import.meta.url)('jsqr');

let browser, server;
before(async () => {
  [browser, server] = await Promise.all([launch(), serveSite()]);
});
after(() => Promise.all([browser?.close(), server?.close()]));

// Each test on a phone of its own, with `count` tabs on the match screen.
// Time stands still but for what a test lets pass: any two taps come within
// a double tap's quiet time, unless `later` passes between them.
const later = (page) => page.clock.runFor(1000);
// `prepare` runs on the phone before any page opens.
async function tabs(count, run, prepare = () => {}) {
  const context = await browser.newContext({ viewport: phone, hasTouch: true, permissions: ['clipboard-read', 'clipboard-write'] });
  await stopClock(context);
  await prepare(context);
  try {
    const pages = [];
    for (let i = 0; i < count; ++i) {
      pages.push(await openCalculator(context, server.url, pages[0]));
      await pages[i].click('#Match');
      await pages[i].locator('#MatchForm').waitFor();
    }
    await run(...pages);
  } finally {
    await context.close();
  }
}
// Each board typed and saved, as a player goes on once the fields are emptied.
async function addBoards(page, boards) {
  for (const board of boards) {
    await page.fill('#Own', board.split(' ')[0]);
    await page.fill('#Other', board.split(' ')[1]);
    await page.click('#Save');
    await settles(checkedBrowser(page), () => Own.value, '', `${board} stored`);
  }
}
// The entry's title and fields, each board's scores, the errors and the note, once they read so.
const shows = (page, expected, message) => settles(checkedBrowser(page), () => ({
  entry: [`${EntryTitle.textContent} ${EntryNumber.value}`, Own.value, Other.value],
  boards: [...Boards.querySelectorAll('.board')].map((board) => [...board.querySelectorAll('span')].slice(1, 3).map((cell) => cell.textContent).join(' ')),
  said: [OwnError.textContent, OtherError.textContent, MatchNote.textContent].filter(Boolean),
}), { said: [], ...expected }, message);
// The match as stored once a removal is, and its key.
async function removalStored(page) {
  const key = `quimbel.match ${new URL('.', page.url()).pathname}`;
  let stored;
  do stored = JSON.parse(await storedRecord(checkedBrowser(page), key)); while (!stored.removed);
  return { key, stored };
}
const fiveBoards = ['620 -650', '-100 140', '420 -420', '0 -50', '50 -110'];

test('two tabs: each keeps its own entry, and a correction changes only the board it was opened on', () => tabs(2, async (a, b) => {
  await addBoards(a, fiveBoards);
  await shows(b, { entry: ['Donne 6', '', ''], boards: fiveBoards }, 'B hears of A\'s boards');
  await a.click('#Boards li:nth-child(2) button');
  await b.click('#Boards li:nth-child(5) button');
  await shows(a, { entry: ['Corriger la donne 2', '-100', '140'], boards: fiveBoards, said: ['Donne 5 : -2 IMP.'] }, 'A, after B opened board 5');
  await a.fill('#Own', '-200');
  await a.click('#Save');
  const corrected = fiveBoards.with(1, '-200 140');
  await shows(b, { entry: ['Corriger la donne 5', '50', '-110'], boards: corrected }, 'B, after A corrected board 2');
  // Board 1 corrected in B while A has it open, even reloaded: A's correction waits for a second Valider.
  await a.click('#Boards li:nth-child(1) button');
  await a.fill('#Own', '650');
  await a.reload();
  await a.locator('#MatchForm').waitFor();
  await shows(a, { entry: ['Corriger la donne 1', '650', '-650'], boards: corrected }, 'A, reloaded');
  await b.click('#Cancel');
  await b.click('#Boards li:nth-child(1) button');
  await b.fill('#Other', '-620');
  await b.click('#Save');
  await a.click('#Save');
  await shows(a, { entry: ['Corriger la donne 1', '650', '-650'], boards: ['620 -620', ...corrected.slice(1)],
    said: ['Donne 1 corrigée sur une autre page : 620 / -620. Validez à nouveau pour la remplacer.'] }, 'A, board 1 changed meanwhile');
  await later(a);
  await a.click('#Save');
  await shows(a, { entry: ['Donne 6', '', ''], boards: ['650 -650', ...corrected.slice(1)], said: ['Donne 1 : 0 IMP.'] }, 'A, again');
  await b.click('#Boards li:nth-child(5) button');
  // B's board 5 is removed by A: B's correction says so and keeps what B typed.
  await a.click('#Boards li:nth-child(5) button');
  await a.click('#Remove');
  await shows(b, { entry: ['Donne 5', '50', '-110'], boards: ['650 -650', ...corrected.slice(1, 4)],
    said: ['La donne que vous corrigiez a été supprimée sur une autre page ; vos marques sont gardées.'] }, 'B, its board gone');
}));

test('pairs, two tabs: each its own entry on its own board, and a result corrected in one while the other corrects it is shown, never written over',
  () => tabs(2, async (a, b) => {
    const pairsShows = (page, expected, message) => settles(checkedBrowser(page), () => ({
      entry: [PairsBoard.value, PairsEntryTitle.textContent, PairsScore.value],
      rows: [...PairsRows.querySelectorAll('button')].map((row) => row.textContent),
      said: PairsNote.textContent,
    }), expected, message);
    for (const page of [a, b]) {
      await page.click('#MatchBack');
      await page.click('#Pairs');
    }
    for (const score of ['630', '-50', '420']) {
      await a.fill('#PairsScore', score);
      await a.click('#PairsAdd');
    }
    await b.fill('#PairsScore', '-200');
    await a.click('#PairsRows [aria-label="Corriger 630"]');
    await a.fill('#PairsScore', '660');
    await pairsShows(b, { entry: ['1', 'Résultat 4', '-200'], rows: ['630', '420', '-50'], said: '' }, 'B, while A corrects');
    await a.reload();
    await a.locator('#PairsForm').waitFor();
    await b.click('#PairsRows [aria-label="Corriger 630"]');
    await b.fill('#PairsScore', '600');
    await b.click('#PairsAdd');
    await pairsShows(b, { entry: ['1', 'Résultat 4', '-200'], rows: ['600', '420', '-50'], said: 'Résultat 630 corrigé : 600.' }, 'B corrects');
    await a.click('#PairsAdd');
    await pairsShows(a, { entry: ['1', 'Corriger 600', '660'], rows: ['600', '420', '-50'],
      said: 'Résultat 630 corrigé sur une autre page : 600. Validez à nouveau pour le remplacer.' }, 'A, reloaded, after B');
    await later(a);
    await a.click('#PairsAdd');
    await pairsShows(a, { entry: ['1', 'Résultat 4', ''], rows: ['660', '420', '-50'], said: 'Résultat 600 corrigé : 660.' }, 'A, again');
    // A goes on to board 2 and adds there: B's result, half typed on board 1, is added to board 1, which a reload keeps.
    await a.click('#PairsNext');
    await a.fill('#PairsScore', '100');
    await a.click('#PairsAdd');
    await pairsShows(a, { entry: ['2', 'Résultat 2', ''], rows: ['100'], said: 'Résultat 100 ajouté.' }, 'A, on board 2');
    await later(b);
    await b.click('#PairsAdd');
    await pairsShows(b, { entry: ['1', 'Résultat 5', ''], rows: ['660', '420', '-50', '-200'], said: 'Résultat -200 ajouté.' }, 'B, on board 1');
    await b.reload();
    await pairsShows(b, { entry: ['1', 'Résultat 5', ''], rows: ['660', '420', '-50', '-200'], said: '' }, 'B, reloaded');
  }));

test('two pages saving a board at the same moment, till the boards are numbered to 98: none lost', () => tabs(2, async (a, b) => {
  // A's boards at 620 and odd numbers, B's at -620 and even ones, each submitted in the same instant as one of the other's.
  const tries = 49;
  const save = async (page, own, number) => {
    await page.evaluate(([score, at]) => {
      for (const [field, typed] of [[EntryNumber, at], [Own, score], [Other, '0']]) {
        field.value = typed;
        field.dispatchEvent(new Event('input'));
      }
      Entry.requestSubmit();
    }, [own, `${number}`]);
    // The fields are emptied once the board is stored.
    await settles(checkedBrowser(page), () => Own.value, '', 'stored');
  };
  for (let i = 0; i < tries; ++i) await Promise.all([save(a, '620', 2 * i + 1), save(b, '-620', 2 * i + 2)]);
  const saved = () => ['620', '-620'].map((own) =>
    [...Boards.querySelectorAll('.board span:nth-child(2)')].filter((cell) => cell.textContent === own).length);
  // Once A has heard of every board, a page opened anew reads them all.
  await settles(checkedBrowser(a), () => Boards.children.length, 2 * tries, 'heard');
  await a.reload();
  await a.locator('#MatchForm').waitFor();
  await settles(checkedBrowser(a), saved, [tries, tries], 'stored');
}));

test('a board half typed is never taken from its tab while it is open, even reloaded on the calculator; once it is closed, it is', () =>
  tabs(1, async (a) => {
    await a.fill('#Own', '620');
    await a.fill('#Other', '-650');
    await a.click('#MatchBack');
    // Reloaded once back on the calculator, not while going back.
    await a.locator('#Form1').waitFor();
    await a.reload();
    const opened = async () => {
      const page = await openCalculator(a.context(), server.url);
      await page.click('#Match');
      await page.locator('#MatchForm').waitFor();
      return page;
    };
    const beside = await opened();
    await shows(beside, { entry: ['Donne 1', '', ''], boards: [] }, 'beside the open tab');
    // A page with nothing typed, its field only tapped, takes no half-typed board's place.
    await beside.tap('#Other');
    await a.close();
    await shows(await opened(), { entry: ['Donne 1', '620', '-650'], boards: [] }, 'once it is closed');
  }));

test('a board looked at keeps the new one being typed; the field Reporter fills next survives a reload', () => tabs(1, async (page) => {
  await addBoards(page, fiveBoards.slice(0, 3));
  await page.fill('#Own', '-1430');
  await page.fill('#Other', '1460');
  await page.click('#Boards li:nth-child(2) button');
  await page.click('#Cancel');
  await shows(page, { entry: ['Donne 4', '-1430', '1460'], boards: fiveBoards.slice(0, 3), said: ['Donne 3 : 0 IMP.'] }, 'Annuler');
  await page.click('#Save');
  // Each score carried after a reload of the calculator, as a phone reloads a tab.
  for (const keys of ['INI 4 ♥ V', 'INI 4 ♠ + 1 V']) {
    await page.click('#MatchBack');
    await page.locator('#Form1').waitFor();
    await page.reload();
    await press(checkedBrowser(page), keys);
    await page.click('#Match');
    await page.click('#Carry');
  }
  await shows(page, { entry: ['Donne 5', '620', '650'], boards: [...fiveBoards.slice(0, 3), '-1430 1460'] }, 'carried, with a reload between');
}));

test('one tap, one action: a quick second tap on Reporter, Valider, the opener or Back acts once', () => tabs(1, async (page) => {
  await page.click('#MatchBack');
  await press(checkedBrowser(page), 'INI 4 ♥ V');
  await page.dblclick('#Match');
  await page.dblclick('#Carry');
  await shows(page, { entry: ['Donne 1', '620', ''], boards: [] }, 'Reporter');
  await later(page);
  await page.click('#Carry');
  await page.dblclick('#Save');
  await shows(page, { entry: ['Donne 2', '', ''], boards: ['620 620'], said: ['Donne 1 : +15 IMP.'] }, 'Valider');
  await page.dblclick('#MatchBack');
  await settles(checkedBrowser(page), () => [Form1.hidden, MsgBox.open, Confirm.open], [false, false, false], 'Back');
  // On the pairs screen too: ± and a row of the table.
  await page.click('#Pairs');
  for (const score of ['620', '420']) {
    await page.fill('#PairsScore', score);
    await page.click('#PairsAdd');
    await settles(checkedBrowser(page), () => PairsScore.value, '', score);
  }
  await page.fill('#PairsScore', '-50');
  await page.dblclick('#PairsScoreSign');
  await settles(checkedBrowser(page), () => PairsScore.value, '50', '±');
  await page.dblclick('#PairsRows [aria-label="Corriger 420"]');
  await settles(checkedBrowser(page), () => [PairsEntryTitle.textContent, PairsScore.value], ['Corriger 420', '420'], 'a row');
  assert.equal(await page.evaluate(() => history.state.screen), 'pairs');
}));

test('a screen tapped while another is still coming is the one shown; Back shows the other alone', () => tabs(1, async (page) => {
  await page.click('#MatchBack');
  // The match screen's module held back until the pairs screen shows.
  await page.reload();
  let release;
  await page.route(/match\.[0-9a-f]+\.js$/, async (route) => {
    await new Promise((resolve) => { release = resolve; });
    await route.continue();
  });
  await page.click('#Match');
  await page.click('#Pairs');
  await page.locator('#PairsForm').waitFor();
  release();
  await page.goBack();
  await page.locator('#MatchForm').waitFor();
  assert.deepEqual(await page.evaluate(() => [PairsForm.hidden, Form1.hidden]), [true, true]);
}));

test('each board keeps its number: a removal renumbers none, Rétablir survives a reload, a missing board goes in at its number, none is invited past the planned length', () =>
  tabs(1, async (page) => {
    const numbers = (message, expected) => settles(checkedBrowser(page), () => [...Boards.querySelectorAll('.board span:first-child')]
      .map((cell) => cell.textContent).concat(EntryNumber.value, EntryNumberError.textContent), expected, message);
    const remove = async (row) => {
      await page.click(`#Boards li:nth-child(${row}) button`);
      await page.click('#Remove');
    };
    await addBoards(page, fiveBoards.slice(0, 3));
    await remove(2);
    await numbers('removed', ['Donne 1', 'Donne 3', '4', '']);
    // Reloaded once the removal is stored, as a player's reload comes long after.
    await removalStored(page);
    await page.reload();
    await page.locator('#MatchForm').waitFor();
    assert.equal(await page.textContent('#Undo'), 'Rétablir la donne 2', 'says what it brings back, its note gone');
    await page.click('#Undo');
    await numbers('undone after a reload', ['Donne 1', 'Donne 2', 'Donne 3', '4', '']);
    // Three boards planned, the second one missing: offered, and typed at its number; then none.
    await page.fill('#MatchLength', '3');
    await remove(2);
    await numbers('the missing one offered', ['Donne 1', 'Donne 3', '2', '']);
    await addBoards(page, ['-200 140']);
    await numbers('all three in', ['Donne 1', 'Donne 2', 'Donne 3', '', '']);
    await page.fill('#EntryNumber', '3');
    await numbers('a board entered', ['Donne 1', 'Donne 2', 'Donne 3', '3', 'Donne 3 déjà saisie : touchez-la pour la corriger.']);
    // A number pasted whole, refused rather than cut to its first two digits.
    await page.fill('#EntryNumber', '123');
    await numbers('a number past the largest', ['Donne 1', 'Donne 2', 'Donne 3', '123', 'Numéro de donne de 1 à 99.']);
    await page.fill('#EntryNumber', '5');
    await addBoards(page, ['0 -50']);
    await numbers('one more, typed at its number', ['Donne 1', 'Donne 2', 'Donne 3', 'Donne 5', '', '']);
    // Board 6 saved waiting for the other table, whose score then goes in at its number.
    await page.fill('#MatchLength', '');
    await addBoards(page, ['-100 ']);
    await page.fill('#EntryNumber', '6');
    await addBoards(page, [' 140']);
    await shows(page, { entry: ['Donne 7', '', ''], boards: ['620 -650', '-200 140', '420 -420', '0 -50', '-100 140'], said: ['Donne 6 : +1 IMP.'] },
      'a waiting board completed at its number');
  }));

test('a correction with no number typed, as kept before boards had numbers, saves the board at its own number', () => tabs(1, async (page) => {
  const six = [...fiveBoards, '-50 110'];
  // Version 6: sixteen boards planned, six in, the fifth being corrected; taken up by a tab opened anew.
  await page.evaluate(() => sessionStorage.clear());
  await storeMatch(page, JSON.stringify({ version: 6, revision: 1, nextId: 7, firstBoard: 1, matchLength: 16,
    boards: six.map((board, i) => ({ id: i + 1, own: Number(board.split(' ')[0]), other: Number(board.split(' ')[1]) })),
    lastEntry: { page: '', entry: { own: '450', other: '-420', editing: 5, next: 'own', kept: null } } }));
  await shows(page, { entry: ['Corriger la donne 5', '450', '-420'], boards: six }, 'taken up');
  await page.click('#Save');
  await shows(page, { entry: ['Donne 7', '', ''], boards: six.with(4, '450 -420'), said: ['Donne 5 : +1 IMP.'] }, 'saved');
}));

test('Rétablir where another page has meanwhile typed a board at its number: said, the board kept to bring back', () => tabs(1, async (page) => {
  await addBoards(page, fiveBoards.slice(0, 3));
  await page.click('#Boards li:nth-child(2) button');
  await page.click('#Remove');
  const { key, stored } = await removalStored(page);
  // Another page, not heard of yet, types board 2 again.
  await storeRecord(checkedBrowser(page), key, JSON.stringify({ ...stored, revision: stored.revision + 1, removed: null, nextId: 5,
    boards: [...stored.boards, { id: 4, number: 2, own: -200, other: 140 }] }));
  await page.click('#Undo');
  await shows(page, { entry: ['Donne 4', '', ''], boards: [fiveBoards[0], '-200 140', fiveBoards[2]],
    said: ["Donne 2 déjà saisie ailleurs : la donne supprimée (-100 / 140) n'est pas rétablie."] }, 'not put back');
  assert.equal(await page.isHidden('#Undo'), false);
}));

const noDatabase = (context) => context.addInitScript(() =>
  Object.defineProperty(window, 'indexedDB', { get() { throw new DOMException('', 'SecurityError'); } }));

test('a removal, by touch, names the board as it was and can be undone, even where nothing is stored; Supprimer is away from Valider', () =>
  tabs(1, async (page) => {
  await addBoards(page, fiveBoards.slice(0, 3));
  await page.tap('#Boards li:nth-child(2) button');
  await page.locator('#Remove').waitFor();
  const apart = await page.evaluate(() => {
    const [remove, save] = [Remove, Save].map((e) => e.getBoundingClientRect());
    return remove.bottom <= save.top || remove.top >= save.bottom || remove.right <= save.left || remove.left >= save.right;
  });
  assert.ok(apart, 'Supprimer overlaps Valider');
  await page.tap('#Remove');
  await shows(page, { entry: ['Donne 4', '', ''], boards: ['620 -650', '420 -420'], said: ['Donne 2 (-100 / 140) supprimée.'] }, 'removed');
  await page.tap('#Undo');
  // What the removal said is not said again as the changes wait to be stored.
  await page.type('#Own', '5');
  await shows(page, { entry: ['Donne 4', '5', ''], boards: fiveBoards.slice(0, 3), said: ['Donne 2 rétablie.'] }, 'undone');
  assert.equal(await page.isHidden('#Undo'), true);
}, noDatabase));

test('storage: a database that never opens is given up on, the screen saying what is not kept', async () => {
  await tabs(0, async () => {}, async (context) => {
    await context.addInitScript(() => {
      IDBFactory.prototype.open = () => {
        window.opening = true;
        return {};
      };
    });
    const page = await openCalculator(context, server.url);
    await page.click('#Match');
    await settles(checkedBrowser(page), () => window.opening, true, 'opening');
    await page.clock.runFor(2000);
    await page.locator('#MatchUnkept', { hasText: 'ne sera pas conservé' }).waitFor();
  });
});

test('the next board typed at once after Valider, before the board is stored, is the next board', () => tabs(1, async (page) => {
  await page.fill('#Own', '420');
  await page.fill('#Other', '-50');
  // The store held by another transaction on it until the next board is typed.
  await page.evaluate(() => new Promise((held) => {
    const opening = indexedDB.open('quimbel');
    opening.onsuccess = () => {
      const records = opening.result.transaction('records', 'readwrite').objectStore('records');
      const spin = () => { if (!window.released) records.get('').onsuccess = spin; };
      spin();
      held();
    };
  }));
  await page.click('#Save');
  await page.fill('#Own', '1880');
  await page.fill('#Other', '-1880');
  await page.evaluate(() => { window.released = true; });
  await page.click('#Save');
  // 420 against -50 is 370 more, 9 IMP; the next board, level, 0.
  await page.locator('#Boards li:nth-child(2)', { hasText: 'Donne 2' }).waitFor();
  assert.equal(await page.textContent('#Total'), '+9 IMP');
}));

test('which sign to type is said beside both score fields, to the eye and to a screen reader', () => tabs(1, async (page) => {
  const said = await page.evaluate(() => [Own, Other].map((field) => field.getAttribute('aria-describedby').split(' ')
    .filter((id) => document.getElementById(id).checkVisibility()).map((id) => document.getElementById(id).textContent)));
  const hint = "Marques vues de notre équipe : -620 si l'adversaire a marqué 620.";
  assert.deepEqual(said, [[hint], [hint]]);
}));

// Sizes past the page's seven: the on-screen keyboard up, the narrowest phone.
test('layout: keyboard up, each score field clear of its ±, nothing sideways, boards in view; narrow, a board\'s figures apart, a removal\'s note and Rétablir above the keys below, the confirm box clear of the edges and its buttons apart', () =>
  tabs(1, async (page) => {
    await page.fill('#EntryNumber', '97');
    await addBoards(page, ['-7600 2980', '-1100 ', '620 -650']);
    await page.click('#Boards li:first-child button');
    await page.click('#Remove');
    await page.locator('#Undo').waitFor();
    const measure = () => {
      const box = (e) => e.getBoundingClientRect();
      const text = (e) => {
        const range = document.createRange();
        range.selectNodeContents(e);
        return box(range);
      };
      const [yes, no, confirm] = [ConfirmYes, ConfirmNo, Confirm].map(box);
      return { clear: [Own, Other].every((field) => box(field).right <= box(document.getElementById(`${field.id}Sign`)).left),
        sideways: document.documentElement.scrollWidth > innerWidth, boards: box(Boards).height >= box(Boards.firstElementChild).height,
        apart: [...Boards.querySelectorAll('.board')].every((line) => [...line.querySelectorAll('span')].filter((cell) => cell.textContent).map(text)
          .every((cell, i, cells) => (i ? cell.left - cells[i - 1].right >= 4 : true) && cell.right <= box(line).right)),
        note: [text(MatchNote), box(Undo)].every((line) => line.bottom <= box(MatchForm.querySelector('footer')).top),
        margins: !Confirm.open || (confirm.left >= 8 && confirm.right <= innerWidth - 8 && Math.max(no.left - yes.right, no.top - yes.bottom) >= 8) };
    };
    for (const [width, height] of [[320, 300], [360, 320], [390, 420], [320, 568], [360, 640]]) {
      await page.setViewportSize({ width, height });
      await page.focus('#Own');
      const fit = { clear: true, sideways: false, boards: true, apart: true, note: true, margins: true };
      assert.deepEqual(await page.evaluate(measure), fit, `${width}×${height}`);
      await page.click('#NewMatch');
      assert.deepEqual(await page.evaluate(measure), fit, `${width}×${height}, the confirm box`);
      await page.click('#ConfirmNo');
    }
  }));

test('a tap on a score field puts the caret after its digits, where the next one goes, on both screens', () => tabs(1, async (page) => {
  for (const [field, elsewhere, opener] of [['#Own', '#Other'], ['#PairsScore', '#PairsBoard', '#Pairs']]) {
    if (opener) {
      await page.click('#MatchBack');
      await page.click(opener);
    }
    await page.tap(field);
    await page.keyboard.type('50');
    await page.tap(elsewhere);
    await page.tap(field);
    await page.keyboard.type('0');
    assert.equal(await page.inputValue(field), '500', field);
  }
}));

// What a paste lands as; how every dash reads is the match checks' (match_checks.mjs).
test('a paste is read whole as it lands: zeros, spaces and the sign settled', () => tabs(1, async (page) => {
  for (const [field, text] of [['#Own', '00000000620'], ['#Other', '+1 430']]) {
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
    await page.focus(field);
    await page.keyboard.press('Control+V');
  }
  await shows(page, { entry: ['Donne 1', '620', '1430'], boards: [] }, 'pasted');
}));

test('the match shared as text, each board by its own number once one is removed: copied and said where there is no share sheet, else shown to be copied by hand; a share sheet cancelled, without a word', () => tabs(1, async (page) => {
  await addBoards(page, ['620 -650', '0 0', '-100 600']);
  await page.click('#Boards li:nth-child(2) button');
  await page.click('#Remove');
  await page.fill('#MatchLength', '16');
  // +10 on 16 boards: 12,80 in the WBF's published table.
  const text = ['Match par quatre', 'Marques de notre équipe : notre table / autre table', 'Donne 1 (Nord · Personne) : 620 / -650, -1 IMP',
    'Donne 3 (Sud · E-O) : -100 / 600, +11 IMP', 'Total de notre équipe : +10 IMP', '12,80 – 7,20 PV sur 16 donnes'].join('\n');
  await page.evaluate(() => delete Navigator.prototype.share);
  await page.click('#ShareMatch');
  await shows(page, { entry: ['Donne 4', '', ''], boards: ['620 -650', '-100 600'], said: ['Match copié dans le presse-papiers.'] }, 'copied');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), text);
  await page.evaluate(() => {
    navigator.clipboard.writeText = () => Promise.reject(new DOMException('', 'NotAllowedError'));
  });
  await later(page);
  await page.click('#ShareMatch');
  await settles(checkedBrowser(page), () => [MatchNote.textContent, ShareText.checkVisibility(), ShareText.value.slice(ShareText.selectionStart,
    ShareText.selectionEnd)], ['Copiez le match ci-dessous :', true, text], 'neither a share sheet nor a clipboard');
  await page.evaluate(() => {
    navigator.share = async (data) => {
      window.shared = data.text;
      throw new DOMException('', 'AbortError');
    };
    MatchNote.textContent = '';
  });
  await later(page);
  await page.click('#ShareMatch');
  await settles(checkedBrowser(page), () => [window.shared, MatchNote.textContent], [text, ''], 'cancelled');
}));

test('a card received that leaves many boards as they are opens at its start on the narrowest phone, its title and what it holds in view', () =>
  tabs(1, async (page) => {
    await page.setViewportSize({ width: 320, height: 568 });
    const match = JSON.parse(matchRecord(Array.from({ length: 16 }, (_, i) => [i + 1, 620, 100])));
    await storeMatch(page, JSON.stringify({ ...match, received: { first: 1, scores: Array(16).fill(-100) } }));
    await page.locator('#CardReceived[open]').waitFor();
    assert.deepEqual(await page.evaluate(() => [CardReceived.scrollTop, CardReceived.scrollHeight > CardReceived.clientHeight]), [0, true]);
  }));

// The match stored on `page`'s phone, and the match screen opened on it anew.
async function storeMatch(page, record) {
  const key = `quimbel.match ${new URL('.', page.url()).pathname}`;
  await storeRecord(checkedBrowser(page), key, record);
  await page.evaluate(() => history.replaceState(null, ''));
  await page.reload();
  await page.click('#Match');
  await page.locator('#MatchForm').waitFor();
}
// The QR code the page drew, as an independent decoder reads it, four pixels a module.
async function qrRead(page) {
  const { data, width } = await page.evaluate(() => {
    const big = Object.assign(document.createElement('canvas'), { width: CardQR.width * 4, height: CardQR.height * 4 });
    const drawn = big.getContext('2d');
    drawn.imageSmoothingEnabled = false;
    drawn.drawImage(CardQR, 0, 0, big.width, big.height);
    return { data: [...drawn.getImageData(0, 0, big.width, big.height).data], width: big.width };
  });
  return jsQR(Uint8ClampedArray.from(data), width, width)?.data;
}

test('a 16- and a 32-board card: its QR code reads as its link, copied or selected to copy, which a teammate\'s phone, offline, places in Autre table, a differing board left', async () => {
  const sender = await browser.newContext({ viewport: phone, hasTouch: true, permissions: ['clipboard-read', 'clipboard-write'] });
  const teammate = await browser.newContext({ viewport: phone, hasTouch: true });
  try {
    const a = await openCalculator(sender, server.url);
    const b = await openCalculator(teammate, server.url);
    await b.evaluate(() => navigator.serviceWorker.ready);
    for (const count of [16, 32]) {
      const scores = Array.from({ length: count }, (_, i) => [620, -100, 420, 0, -50, 1430][i % 6]);
      // Our table's scores, with the other table's on board 1 alone, from board 17 on the second time.
      const first = count === 16 ? 1 : 17;
      await storeMatch(a, matchRecord(scores.map((own, i) => [first + i, own, i ? null : -620])));
      // From the keyboard, which the opener's quiet time leaves alone.
      await a.focus('#SendCard');
      await a.keyboard.press('Enter');
      await a.locator('#CardQR[aria-label]').waitFor();
      const link = await a.textContent('#CardLink');
      assert.equal(await a.getAttribute('#CardQR', 'aria-label'), `Code QR de ma carte : donnes ${first} à ${first + count - 1}`);
      assert.equal(await qrRead(a), link, `${count} boards`);
      assert.ok(link.startsWith(`${server.url.split('#')[0]}#CARTE`), link);
      // Partager le lien, with no share sheet here: copied, and said; where the clipboard refuses it too, selected to be copied by hand.
      await a.click('#CardShare');
      await settles(checkedBrowser(a), async () => [CardSaid.textContent, await navigator.clipboard.readText()], ['Lien copié.', link], 'copied');
      await a.evaluate(() => {
        navigator.clipboard.writeText = () => Promise.reject(new DOMException('', 'NotAllowedError'));
      });
      await a.focus('#CardShare');
      await a.keyboard.press('Enter');
      await settles(checkedBrowser(a), () => [CardSaid.textContent, getSelection().toString()], ['Copiez le lien ci-dessus.', link], 'selected');

      // The teammate's phone has board 2 with another score, board 3 with its own table's alone; offline, the link opened.
      await storeMatch(b, matchRecord([[first + 1, 620, 100], [first + 2, -420, null]]));
      await teammate.setOffline(true);
      const opened = await teammate.newPage();
      await opened.goto(link);
      await opened.locator('#CardReceived[open]').waitFor();
      assert.deepEqual([await opened.textContent('#ReceivedText'), await opened.textContent('#ReceivedKept'), opened.url()],
        [`Carte de l'autre table : donnes ${first} à ${first + count - 1}. Laissées telles quelles :`,
          `Donne ${first + 1} : 100 ici, -100 sur la carte`, server.url]);
      // Kept through a reload until the player decides; once placed, offered no more.
      await opened.reload();
      await opened.click('#CardAccept');
      await settles(checkedBrowser(opened), () => MatchNote.textContent,
        `Carte placée dans Autre table : ${count - 1} donnes. Laissées telles quelles : Donne ${first + 1} : 100 ici, -100 sur la carte.`, 'placed');
      // Its Autre table column, board by board, as kept over a reload, which offers the card no more.
      await opened.reload();
      await opened.locator('#MatchForm').waitFor();
      await settles(checkedBrowser(opened), () => [...Boards.querySelectorAll('.board')]
        .map((board) => [...board.querySelectorAll('span')].slice(0, 3).map((cell) => cell.textContent).join(' ')),
      scores.map((score, i) => `Donne ${first + i} ${[620, -420][i - 1] ?? ''} ${i === 1 ? 100 : score}`), 'placed, reloaded');
      assert.equal(await opened.locator('#CardReceived[open]').count(), 0);
      await opened.close();
      await teammate.setOffline(false);
      await a.click('#CardClose');
    }
  } finally {
    await Promise.all([sender.close(), teammate.close()]);
  }
});
