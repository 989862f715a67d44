// One board of a pairs event as this device keeps it: its results read whole or the record set aside whole; a board
// number or a last entry that does not hold gives way on its own. The record store's own ways are checked with the match's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { countsUpTo } from '../page/screens/board_number.js';
import { openPairsStore } from '../page/screens/pairs/store.js';

globalThis.location = { href: 'http://127.0.0.1/q/index.html' };
const deal = new Set([0, 420, -50]);
const results = [{ id: 0, score: 420 }, { id: 2, score: -50 }];
const entry = { score: '14', editing: 2, was: -50, kept: '-5' };
const lastEntry = { page: 'a', entry };
const board = { board: 7, results, nextId: 3, lastEntry };
const zeros = (count) => Array.from({ length: count }, (_, id) => ({ id, score: 0 }));

// The value read from `fields` stored over a whole record, and whether it was set aside.
async function read(fields, version = 2) {
  const items = new Map([['quimbel.pairs /q/', JSON.stringify({ version, revision: 1, ...board, ...fields })]]);
  const storage = { async update(key, decide) {
    for (const [name, text] of decide(items.get(key) ?? null)) items.set(name, text);
  } };
  const store = openPairsStore({ isDealScore: (score) => deal.has(score), isBoardNumber: countsUpTo(99), largestCount: 99 },
    { storage, channel: null });
  await store.refresh();
  return [store.value, store.setAside];
}

test('a board number or a last entry that does not hold gives way alone; a typed text is kept cut', async () => {
  const empty = { score: '', editing: null, was: null, kept: '' };
  const withEntry = (typed) => ({ ...board, lastEntry: { page: 'a', entry: typed } });
  for (const [fields, value, version] of [
    [{}, board],
    [{ board: 100 }, { ...board, board: 1 }],
    [{ board: '7' }, { ...board, board: 1 }],
    [{ lastEntry: { page: 'a', entry: { score: 14, editing: -1, was: 5, kept: null } } }, withEntry(empty)],
    [{ lastEntry: { page: 'a', entry: { ...entry, score: '1'.repeat(80), was: '-50' } } },
      withEntry({ ...entry, score: '1'.repeat(64), was: null })],
    [{ lastEntry: { page: 5, entry } }, { ...board, lastEntry: null }],
    [{ results: zeros(99), nextId: 99 }, { ...board, results: zeros(99), nextId: 99 }],
    // The first version's entry, the board's own, is the last one typed.
    [{ lastEntry: undefined, entry: { score: '14', editing: 2, kept: '-5' } }, { ...board, lastEntry: { page: '', entry: { ...entry, was: null } } }, 1],
  ]) {
    assert.deepEqual(await read(fields, version), [value, false], JSON.stringify(fields));
  }
});

test('results that do not hold set the record aside whole', async () => {
  for (const fields of [{ results: zeros(100), nextId: 100 }, { results: [...results, { id: 3, score: 425 }], nextId: 4 },
    { results: [{ id: 0, score: '420' }] }, { results: [{ id: 0, score: 420 }, { id: 0, score: -50 }] }, { nextId: 2 },
    { results: {} }]) {
    assert.deepEqual(await read(fields), [{ board: 1, results: [], nextId: 1, lastEntry: null }, true],
      JSON.stringify(fields));
  }
});
