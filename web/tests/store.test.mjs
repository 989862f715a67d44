// The match as this device keeps it: read whole from every earlier version and the site-wide key, or set aside whole; a later
// version's record, or another page's, never written over; blocked or full storage changing nothing. records/: see its README.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { openMatchStore } from '../screens/match/store.js';

globalThis.location = { href: 'http://127.0.0.1/q/index.html' };
const key = 'quimbel.match /q/';
const former = 'quimbel.match';
const deal = new Set([0, 50, 110, 420, 620, -50, -100, -200, -650, 1430]);
const empty = { boards: [], entry: { ours: '', theirs: '', editing: null }, firstBoard: 1 };
const entry = (ours, theirs, editing = null) => ({ ours, theirs, editing });
const draft = (Own, Other, editing = null) => ({ Own, Other, editing });
const record = (fields) => ({ version: 4, revision: 2, ...empty, boards: [[620, -650]], ...fields });
const v4 = (fields) => JSON.stringify(record(fields));

// Web Storage in memory: the next `refuse` writes are refused as a full storage refuses them, and reaching it throws
// while `blocked`, as a SecurityError getter does.
function memory(items = {}, refuse = 0) {
  const map = new Map(Object.entries(items));
  const store = { map, refuse, blocked: false, getItem: (name) => map.get(name) ?? null, removeItem: (name) => map.delete(name),
    setItem: (name, text) => { if (store.refuse-- > 0) throw new DOMException('', 'QuotaExceededError'); map.set(name, text); } };
  return store;
}
const open = (store, onNewer = () => {}) => openMatchStore((score) => deal.has(score), onNewer,
  () => { if (store.blocked) throw new DOMException('blocked', 'SecurityError'); return store; });
const opened = (items, refuse, store = memory(items, refuse)) => [store, open(store)];
const stored = (store) => JSON.parse(store.map.get(key));

test('each earlier version\'s record is read whole, moved to the folder\'s key, stored at version 4, revision one more', () => {
  const landed = (name) => readFileSync(new URL(`records/landed-v3-${name}.json`, import.meta.url), 'utf8');
  for (const [where, text, revision, value] of [
    [former, JSON.stringify({ version: 1, boards: [[620, -650]], draft: draft('14', '') }), 0,
      { boards: [[620, -650]], entry: entry('14', ''), firstBoard: 1 }],
    [key, JSON.stringify({ version: 2, revision: 6, boards: [[0, 50], [110, -100]], draft: draft('', '-50', 1) }), 6,
      { boards: [[0, 50], [110, -100]], entry: entry('', '-50', 1), firstBoard: 1 }],
    [key, landed('typing'), 5, { boards: [[620, -650], [110, -100], [-200, 1430]], entry: entry('14', ''), firstBoard: 17 }],
    [key, landed('correcting'), 4, { boards: [[420, 0], [50, -100]], entry: entry('-50', '-100', 1), firstBoard: 1 }],
  ]) {
    const [store, match] = opened({ [where]: text });
    match.change(() => {});
    assert.deepEqual([match.value, [...store.map.keys()], stored(store)],
      [value, [key], { version: 4, revision: revision + 1, ...value }], text);
  }
});

test('a record whose boards do not hold is set aside whole and a new match stored', () => {
  for (const text of ['{', 'null', '[]', v4({ version: 0 }), v4({ version: '4' }), v4({ revision: -1 }), v4({ revision: 1.5 }),
    v4({ revision: undefined }), v4({ boards: {} }), v4({ boards: [[620, -650, 0]] }), v4({ boards: [[620, 621]] }),
    v4({ boards: [[620, '-650']] }), JSON.stringify({ version: 1, boards: [[620, 6.5]], draft: draft('', '') })]) {
    const [store, match] = opened({ [key]: text });
    match.refresh();
    const [aside, ...more] = store.map.keys();
    assert.match(aside, /^quimbel\.match \/q\/ illisible \d+$/, text);
    match.change((m) => m.boards.push([0, 0]));
    assert.deepEqual([match.setAside, match.kept, more, store.map.get(aside), stored(store)],
      [true, true, [], text, record({ revision: 1, boards: [[0, 0]] })], text);
  }
});

test('a record not to be read is left as it is: a later version\'s, or an unreadable one with no room to set it aside', () => {
  for (const [text, refuse, later] of [[JSON.stringify({ version: 5, revision: 9, games: [] }), 0, true], ['{', 1, false]]) {
    const [store, match] = opened({ [key]: text }, refuse);
    match.change((m) => m.boards.push([620, -650]));
    assert.deepEqual([match.later, match.setAside, match.kept, match.value.boards, [...store.map]],
      [later, false, false, [[620, -650]], [[key, text]]], text);
    // Once that record is gone, the match is stored again.
    store.map.delete(key);
    match.change(() => {});
    assert.deepEqual([match.later, match.kept, stored(store).boards], [false, true, [[620, -650]]], text);
  }
});

test('an entry or a first board that does not hold is started again on its own, the boards kept', () => {
  const held = { boards: [[620, -650], [110, -100]], entry: entry('-1234567', '14', 1), firstBoard: 99 };
  const wrong = [entry('-12345678', '14', 1), entry('-1', 14, 1), ...[2, -1, 0.5].map((n) => entry('-1', '14', n)), null];
  for (const [field, bad, read = empty[field]] of [['firstBoard', 99, 99], ...wrong.map((wrongEntry) => ['entry', wrongEntry]),
    ...[0, 100, 1.5, '17'].map((number) => ['firstBoard', number])]) {
    const [, match] = opened({ [key]: v4({ ...held, [field]: bad }) });
    match.refresh();
    assert.deepEqual([match.setAside, match.value], [false, { ...held, [field]: read }], JSON.stringify([field, bad]));
  }
});

test('another page\'s change is taken up before the edit, never written over; each field stored as long as it holds', () => {
  const [store, told] = [memory(), []];
  const [here, there] = [open(store, (match) => told.push(match.boards.length)), open(store)];
  here.change((m) => m.boards.push([620, -650]));
  there.change((m) => m.boards.push([110, -100]));
  here.change((m) => m.boards.push([-200, 1430]));
  here.change((m) => { m.entry = entry('-12345678', '123456789'); });
  assert.deepEqual([told, stored(store)],
    [[2], record({ revision: 4, boards: [[620, -650], [110, -100], [-200, 1430]], entry: entry('-1234567', '12345678') })]);
});

test('where storage is blocked or full, the change holds for the visit and what was stored stays, till it can be stored', () => {
  for (const [refusal, refused, allowed] of [['blocked', true, false], ['refuse', Infinity, 0]]) {
    const [store, match] = opened({ [key]: v4({}) });
    match.refresh();
    store[refusal] = refused;
    match.change((m) => m.boards.push([0, 0]));
    assert.deepEqual([match.kept, match.value.boards, [...store.map]], [false, [[620, -650], [0, 0]], [[key, v4({})]]], refusal);
    store[refusal] = allowed;
    match.change(() => {});
    assert.deepEqual([match.kept, stored(store)], [true, record({ revision: 3, boards: [[620, -650], [0, 0]] })], refusal);
  }
});

test('the former key\'s record is read where it is while there is no room to move it, removed once the match is stored', () => {
  const text = JSON.stringify({ version: 1, boards: [[620, -650]], draft: draft('', '') });
  const [store, match] = opened({ [former]: text }, Infinity);
  match.refresh();
  assert.deepEqual([match.kept, match.value.boards, [...store.map]], [false, [[620, -650]], [[former, text]]]);
  store.refuse = 1; // Room for the match, not for a second copy of it.
  match.change(() => {});
  assert.deepEqual([match.kept, store.map.has(former), stored(store)], [true, false, record({ revision: 1 })]);
});
