// One board of a pairs event as this device keeps it: its results read whole or the record set aside whole; a board
// number or a typed score that does not hold gives way on its own. The record store's own ways are checked with the match's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openPairsStore } from '../screens/pairs/store.js';

globalThis.location = { href: 'http://127.0.0.1/q/index.html' };
const deal = new Set([0, 420, -50]);
const results = [{ id: 0, score: 420 }, { id: 2, score: -50 }];
const entry = { score: '14', editing: 2, kept: '-5' };
const board = { board: 7, results, nextId: 3, entry };
const zeros = (count) => Array.from({ length: count }, (_, id) => ({ id, score: 0 }));

// The value read from `fields` stored over a whole record, and whether it was set aside.
function read(fields) {
  const items = new Map([['quimbel.pairs /q/', JSON.stringify({ version: 1, revision: 1, ...board, ...fields })]]);
  const store = openPairsStore((score) => deal.has(score),
    () => ({ getItem: (key) => items.get(key) ?? null, setItem: (key, text) => items.set(key, text), removeItem: (key) => items.delete(key) }));
  store.refresh();
  return [store.value, store.setAside];
}

test('a board number or a typed score that does not hold gives way alone; a typed text is kept cut', () => {
  const empty = { score: '', editing: null, kept: '' };
  for (const [fields, value] of [
    [{}, board],
    [{ board: 100 }, { ...board, board: 1 }],
    [{ board: '7' }, { ...board, board: 1 }],
    [{ entry: { score: 14, editing: -1, kept: null } }, { ...board, entry: empty }],
    [{ entry: { ...entry, score: '1'.repeat(80) } }, { ...board, entry: { ...entry, score: '1'.repeat(64) } }],
    [{ results: zeros(99), nextId: 99 }, { ...board, results: zeros(99), nextId: 99 }],
  ]) {
    assert.deepEqual(read(fields), [value, false], JSON.stringify(fields));
  }
});

test('results that do not hold set the record aside whole', () => {
  for (const fields of [{ results: zeros(100), nextId: 100 }, { results: [...results, { id: 3, score: 425 }], nextId: 4 },
    { results: [{ id: 0, score: '420' }] }, { results: [{ id: 0, score: 420 }, { id: 0, score: -50 }] }, { nextId: 2 },
    { results: {} }]) {
    assert.deepEqual(read(fields), [{ board: 1, results: [], nextId: 1, entry: { score: '', editing: null, kept: '' } }, true],
      JSON.stringify(fields));
  }
});
