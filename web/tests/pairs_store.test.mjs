// A pairs session as this device keeps it: travellers read whole or set aside whole, other fields giving way alone, the
// one-board records of earlier versions read as the first board, the board all pages shared kept as the last entry's.
// The record store's own ways are checked with the match's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { countsUpTo } from '../page/screens/board_number.js';
import { openPairsStore } from '../page/screens/pairs/store.js';

globalThis.location = { href: 'http://127.0.0.1/q/index.html' };
const deal = new Set([0, 420, -50]);
const results = [{ id: 0, ns: 3, ew: 5, score: 420 }, { id: 2, ns: null, ew: null, adjusted: 4 }];
const blank = { ns: '', ew: '', adjusted: 0, score: '' };
const typed = { ...blank, ns: '3', score: '14' };
const entry = { ...typed, editing: 2, was: { id: 2, ns: null, ew: null, adjusted: 4 }, kept: { ...typed, score: '-5' }, board: 7, tournament: 2 };
const removed = { number: 7, index: 1, result: { id: 1, ns: 4, ew: 6, score: -50 } };
const session = { movement: 'mitchell', tournament: 2, boards: [{ number: 7, results }, { number: 2, results: [] }], nextId: 3, lastEntry: { page: 'a', entry }, removed };
const zeros = (count, from = 0) => Array.from({ length: count }, (_, i) => ({ id: from + i, ns: null, ew: null, score: 0 }));
const empty = { movement: 'howell', tournament: null, boards: [], nextId: 1, lastEntry: null, removed: null };

// The value read from `fields` stored over a whole record, and whether it was set aside.
async function read(fields, version = 4) {
  const items = new Map([['quimbel.pairs /q/', JSON.stringify({ version, revision: 1, ...session, ...fields })]]);
  const storage = { async update(key, decide) {
    for (const [name, text] of decide(items.get(key) ?? null)) items.set(name, text);
  } };
  const rules = { isDealScore: (score) => deal.has(score), isBoardNumber: countsUpTo(99), largestCount: 99 };
  const store = openPairsStore(rules, { storage, channel: null });
  await store.refresh();
  return [store.value, store.setAside];
}

test('a movement, a tournament, a last entry or a removed result that does not hold gives way alone; a typed text kept cut', async () => {
  const withEntry = (kept) => ({ ...session, lastEntry: { page: 'a', entry: kept } });
  for (const [fields, value] of [
    ...[{}, { boards: [{ number: 1, results: zeros(99) }, { number: 2, results: zeros(99, 99) }], nextId: 198 }].map((kept) => [kept, { ...session, ...kept }]),
    [{ movement: 'swiss', tournament: -1 }, { ...session, movement: 'howell', tournament: null }],
    [{ tournament: '2' }, { ...session, tournament: null }],
    [{ lastEntry: { page: 'a', entry: { score: 14, adjusted: 6, editing: -1, was: 5, kept: null, board: 100, tournament: 0.5 } } },
      withEntry({ ...blank, editing: null, was: null, kept: blank, board: null, tournament: null })],
    [{ lastEntry: { page: 'a', entry: { ...entry, ns: '1'.repeat(80), was: { ns: 3, score: 420 } } } },
      withEntry({ ...entry, ns: '1'.repeat(64), was: null })],
    [{ lastEntry: { page: 5, entry } }, { ...session, lastEntry: null }],
    ...[{ ...removed, result: { ...removed.result, id: 3 } }, { ...removed, index: -1 }, { ...removed, number: 0 }, { ...removed, result: null }]
      .map((gone) => [{ removed: gone }, { ...session, removed: null }]),
  ]) {
    assert.deepEqual(await read(fields), [value, false], JSON.stringify(fields));
  }
});

test('a traveller that does not hold sets the record aside whole', async () => {
  const board = (...list) => ({ boards: [{ number: 7, results: list }], nextId: 9 });
  for (const fields of [board(...zeros(100)), board({ id: 9, ns: 1, ew: 2, score: 0 }), board({ id: 1, ns: 1, ew: null, score: 0 }),
    board({ id: 1, ns: 0, ew: 2, score: 0 }), board({ id: 1, ns: 1, ew: 100, score: 0 }), board({ id: 1, ns: 1, ew: 2, score: 425 }),
    board({ id: 1, ns: 1, ew: 2, score: '420' }), board({ id: 1, ns: 1, ew: 2, adjusted: 6 }), board(...zeros(1), ...zeros(1)),
    { boards: [{ number: 7, results: zeros(1) }, { number: 8, results: zeros(1) }] }, { boards: [{ number: 7, results: [] }, { number: 7, results: [] }] },
    { boards: [{ number: 0, results: [] }] }, { boards: {} }, { nextId: 2 }]) {
    assert.deepEqual(await read(fields), [empty, true], JSON.stringify(fields));
  }
});

test('the one board of the first two versions becomes the session\'s first, its results with no pairs, its entry the last one typed, '
  + 'on the board every page showed', async () => {
  const v2 = { movement: undefined, tournament: undefined, boards: undefined, removed: undefined, board: 7,
    results: [{ id: 0, score: 420 }, { id: 2, score: -50 }] };
  const asSession = (board) => ({ movement: 'howell', tournament: null, boards: [{ number: board, results: [{ id: 0, ns: null, ew: null, score: 420 },
    { id: 2, ns: null, ew: null, score: -50 }] }], nextId: 3, removed: null });
  const oldEntry = { score: '14', editing: 2, was: -50, kept: '-5' };
  const newEntry = (board) => ({ ...blank, score: '14', editing: 2, was: null, kept: { ...blank, score: '-5' }, board, tournament: null });
  for (const [fields, version, value] of [
    [{ ...v2, lastEntry: { page: 'a', entry: oldEntry } }, 2, { ...asSession(7), lastEntry: { page: 'a', entry: newEntry(7) } }],
    [{ ...v2, board: 100, lastEntry: undefined, entry: oldEntry }, 1, { ...asSession(1), lastEntry: { page: '', entry: newEntry(1) } }],
    // No last entry: the board still taken up.
    [{ tournament: undefined, board: 9, lastEntry: null }, 3, { ...session, tournament: null,
      lastEntry: { page: '', entry: { ...blank, editing: null, was: null, kept: blank, board: 9, tournament: null } } }],
  ]) {
    assert.deepEqual(await read(fields, version), [value, false], version);
  }
  assert.deepEqual(await read({ ...v2, results: [null] }, 2), [empty, true]);
});
