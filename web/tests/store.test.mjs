// The match as this device keeps it: read whole from every earlier version and from Web Storage, or set aside whole; a
// later version's record never written over; blocked or full storage changing nothing. records/: see its README.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { countsUpTo } from '../page/screens/board_number.js';
import { entryIn, entryMigrations, openMatchStore } from '../page/screens/match/store.js';
import { openTabRecord } from '../page/screens/record_store.js';

globalThis.location = { href: 'http://127.0.0.1/q/index.html' };
const key = 'quimbel.match /q/';
const siteKey = 'quimbel.match';
const deal = new Set([0, 50, 110, 420, 620, -50, -100, -200, -650, 1430]);
const empty = { boards: [], nextId: 1, matchLength: null, lastEntry: null, received: null, removed: null, matchNumber: null };
// Boards named 1, 2… in their order, numbered from `first`, as a record of today's version holds them.
const named = (boards, first = 1) => boards.map(([own, other], i) => ({ id: i + 1, number: first + i, own, other }));
const entry = (own, other, editing = null) => ({ own, other, number: '', editing, next: 'own', kept: null, was: null, matchNumber: null });
const last = (typed) => ({ page: '', entry: typed });
const draft = (Own, Other, editing = null) => ({ Own, Other, editing });
const record = (fields) => ({ version: 7, revision: 2, ...empty, boards: named([[620, -650]]), nextId: 2, ...fields });
const today = (fields) => JSON.stringify(record(fields));
const v6 = (firstBoard, boards) => JSON.stringify({ version: 6, revision: 3, boards: boards.map(([own, other], i) => ({ id: i + 1, own, other })),
  nextId: boards.length + 1, firstBoard, matchLength: null, lastEntry: null });

// A transactional store in memory; the next `refuse` updates that write are refused as a full storage does, all while `blocked`.
function memory(items = {}, refuse = 0) {
  const store = { map: new Map(Object.entries(items)), refuse, blocked: false, async update(name, decide) {
    if (store.blocked) throw new DOMException('blocked', 'SecurityError');
    const writes = decide(store.map.get(name) ?? null);
    if (writes.length && store.refuse-- > 0) throw new DOMException('', 'QuotaExceededError');
    for (const [at, text] of writes) store.map.set(at, text);
  } };
  return store;
}
// Web Storage, where the record was kept before; once moved, a later version's there keeps an older page from writing.
function webStorage(items = {}) {
  const map = new Map(Object.entries(items));
  globalThis.localStorage = { getItem: (name) => map.get(name) ?? null, setItem: (name, text) => map.set(name, text) };
  return map;
}
const movedFrom = (name) => [[name, JSON.stringify({ version: Number.MAX_SAFE_INTEGER })]];
const open = (store) => openMatchStore({ isDealScore: (score) => deal.has(score), isBoardNumber: countsUpTo(99) }, { storage: store, channel: null });
const opened = (items, refuse, store = memory(items, refuse)) => [store, open(store)];
const stored = (store) => JSON.parse(store.map.get(key));

test('each earlier version\'s record, in Web Storage, is read whole, moved, stored at version 7, revision one more', async () => {
  const landed = (name) => readFileSync(new URL(`records/landed-v3-${name}.json`, import.meta.url), 'utf8');
  for (const [where, text, revision, value, first = 1] of [
    [siteKey, JSON.stringify({ version: 1, boards: [[620, -650]], draft: draft('14', '') }), 0,
      { boards: [[620, -650]], lastEntry: last(entry('14', '')) }],
    [key, JSON.stringify({ version: 2, revision: 6, boards: [[0, 50], [110, -100]], draft: draft('', '-50', 1) }), 6,
      { boards: [[0, 50], [110, -100]], lastEntry: last(entry('', '-50', 2)) }],
    [key, landed('typing'), 5, { boards: [[620, -650], [110, -100], [-200, 1430]], lastEntry: last(entry('14', '')) }, 17],
    [key, landed('correcting'), 4, { boards: [[420, 0], [50, -100]], lastEntry: last(entry('-50', '-100', 2)) }],
    [key, JSON.stringify({ version: 4, revision: 1, boards: [], entry: null, firstBoard: 9 }), 1, { boards: [] }],
    // Numbered from the first board, as far as board numbers go (99 here).
    [key, v6(9, [[620, -650], [110, -100]]), 3, { boards: [[620, -650], [110, -100]] }, 9],
    [key, v6(98, [[620, -650], [110, -100], [0, 50]]), 3, { boards: [[620, -650], [110, -100], [0, 50]] }, 97],
    [key, today({ version: 5, revision: 7, lastEntry: { page: 'a', entry: { ours: '14', theirs: '', editing: null, next: 'theirs',
      kept: { ours: '1', theirs: '-5', next: 'ours' }, was: null } } }), 7,
    { boards: [[620, -650]], lastEntry: { page: 'a', entry: { ...entry('14', ''), next: 'other', kept: { own: '1', other: '-5', number: '', next: 'own' } } } }],
    [key, today({ revision: 7 }), 7, { boards: [[620, -650]] }],
    // A board waiting for one table's score; boards read in the order of their numbers.
    [key, today({ revision: 7, boards: named([[null, -650], [620, null]], 5).reverse(), nextId: 3 }), 7, { boards: [[null, -650], [620, null]] }, 5],
  ]) {
    const local = webStorage({ [where]: text });
    const [store, match] = opened({});
    await match.refresh();
    const read = { ...empty, ...value, boards: named(value.boards, first), nextId: value.boards.length + 1 };
    assert.deepEqual([match.value, [...store.map.keys()], stored(store), [...local]],
      [read, [key], { version: 7, revision: revision + 1, ...read }, movedFrom(where)], text);
  }
  // Once moved, what Web Storage may hold is an older copy.
  webStorage({ [key]: today({ boards: [] }) });
  const [, match] = opened({ [key]: today({}) });
  await match.refresh();
  assert.deepEqual(match.value.boards, named([[620, -650]]));
});

test('a record whose boards do not hold is set aside whole and a new match stored', async () => {
  webStorage();
  for (const text of ['{', 'null', '[]', today({ version: 0 }), today({ version: '6' }), today({ revision: -1 }), today({ revision: 1.5 }),
    today({ revision: undefined }), today({ boards: {} }), today({ boards: [[620, -650]] }), today({ boards: named([[620, 621]]) }),
    today({ boards: named([[620, '-650']]) }), today({ boards: named([[null, null]]) }), today({ boards: named([[620, -650]], 0) }),
    today({ boards: named([[620, -650]], 100) }), today({ boards: named([[0, 0], [0, 0]]).map((board) => ({ ...board, number: 1 })), nextId: 3 }),
    today({ nextId: 1 }), today({ boards: named([[0, 0], [0, 0]]).map((board) => ({ ...board, id: 1 })) }),
    JSON.stringify({ version: 1, boards: [[620, 6.5]], draft: draft('', '') })]) {
    const [store, match] = opened({ [key]: text });
    await match.change((m) => m.boards.push({ id: 7, own: 0, other: 0 }));
    const [, aside, ...more] = store.map.keys();
    assert.match(aside, /^quimbel\.match \/q\/ illisible \d+$/, text);
    assert.deepEqual([match.setAside, match.saved, more, store.map.get(aside), stored(store)],
      [true, true, [], text, record({ revision: 1, boards: [{ id: 7, own: 0, other: 0 }], nextId: 1 })], text);
  }
});

test('a record not to be read is left as it is: a later version\'s, or an unreadable one with no room to set it aside', async () => {
  webStorage();
  for (const [text, refuse, later] of [[JSON.stringify({ version: 8, revision: 9, games: [] }), 0, true], ['{', 1, false]]) {
    const [store, match] = opened({ [key]: text }, refuse);
    await match.change((m) => m.boards.push(named([[620, -650]])[0]));
    assert.deepEqual([match.later, match.setAside, match.saved, match.value.boards, [...store.map]],
      [later, false, false, named([[620, -650]]), [[key, text]]], text);
    // Once that record is gone, the match is stored again.
    store.map.delete(key);
    await match.change(() => {});
    assert.deepEqual([match.later, match.saved, stored(store).boards], [false, true, named([[620, -650]])], text);
  }
});

test('a last entry, match length, card received, board removed or match number that does not hold starts again alone, the boards kept', async () => {
  webStorage();
  const card = { first: 97, scores: [620, null, -650] };
  const held = { boards: named([[620, -650], [110, -100]]), nextId: 3, lastEntry: last(entry('1'.repeat(64), '14', 2)), matchLength: 16,
    received: card, removed: { id: 2, number: 3, own: null, other: 50 }, matchNumber: 3 };
  const typed = entry('-1', '14', 2);
  const wrong = [entry('1'.repeat(65), '14'), entry('-1', 14), { ...typed, editing: -1 }, { ...typed, editing: 0.5 }, { ...typed, number: 5 },
    { ...typed, next: 'ours' }].map(last).concat([{ page: 5, entry: typed }, 7]);
  for (const [field, bad, read = empty[field]] of [...wrong.map((lastEntry) => ['lastEntry', lastEntry]),
    // The new board put by while a board is looked at goes alone, and so does the board a correction was opened on.
    ['lastEntry', last({ ...typed, kept: { ours: '', theirs: 5, next: 'ours' } }), last(typed)],
    ['lastEntry', last({ ...typed, was: { own: 620, other: '-650' } }), last(typed)],
    ['lastEntry', last({ ...typed, was: { own: 620, other: -650 } }), last({ ...typed, was: { own: 620, other: -650 } })],
    ...[0, 100, '16'].map((length) => ['matchLength', length]),
    ...[{ ...card, first: 98 }, { ...card, first: 0 }, { ...card, first: '97' }, { ...card, scores: [620, 621] }, { ...card, scores: '620' },
      null].map((received) => ['received', received]),
    ...[{ id: 3, number: 3, own: 0, other: 0 }, { id: 2, number: 100, own: 0, other: 0 }, { id: 2, number: 3, own: null, other: null },
      7].map((removed) => ['removed', removed]), ...[-1, '3', 0.5].map((number) => ['matchNumber', number])]) {
    const [, match] = opened({ [key]: today({ ...held, [field]: bad }) });
    await match.refresh();
    assert.deepEqual([match.setAside, match.value], [false, { ...held, [field]: read }], JSON.stringify([field, bad]));
  }
});

test('a change is stored over whatever another page stored meanwhile, never over what this page saw; each field as long as it keeps', async () => {
  webStorage();
  const store = memory();
  const [here, there] = [open(store), open(store)];
  const add = (own, other) => (m) => m.boards.push({ id: m.nextId, number: m.nextId++, own, other });
  // Each page acts on the match as it last saw it, at once, before it hears of the other's change.
  await Promise.all([here.change(add(620, -650)), there.change(add(110, -100)), here.change(add(-200, 1430)),
    here.change((m) => { m.lastEntry = last(entry('1'.repeat(70), '14')); })]);
  // Here's three changes in one write, then there's; the last to write took up the other's board, the other does on reading.
  const boards = named([[620, -650], [-200, 1430], [110, -100]]);
  const hereBoards = here.value.boards;
  await there.refresh();
  assert.deepEqual([stored(store), hereBoards, there.value.boards],
    [record({ revision: 2, boards, nextId: 4, lastEntry: last(entry('1'.repeat(64), '14')) }), boards, boards]);
});

test('where storage is blocked or full, the change holds for the visit and what was stored stays, till it can be stored', async () => {
  webStorage();
  for (const [refusal, refused, allowed] of [['blocked', true, false], ['refuse', Infinity, 0]]) {
    const [store, match] = opened({ [key]: today({}) });
    await match.refresh();
    store[refusal] = refused;
    await match.change((m) => m.boards.push({ id: 1, own: 0, other: 0 }));
    const boards = [...named([[620, -650]]), { id: 1, own: 0, other: 0 }];
    assert.deepEqual([match.saved, match.value.boards, [...store.map]], [false, boards, [[key, today({})]]], refusal);
    store[refusal] = allowed;
    await match.change(() => {});
    assert.deepEqual([match.saved, stored(store)], [true, record({ revision: 3, boards })], refusal);
  }
});

test('the record kept in Web Storage is read where it is while it cannot be moved, removed once the match is stored', async () => {
  const text = JSON.stringify({ version: 1, boards: [[620, -650]], draft: draft('', '') });
  const local = webStorage({ [siteKey]: text });
  const [store, match] = opened({}, Infinity);
  await match.refresh();
  assert.deepEqual([match.saved, match.value.boards, [...local], store.map.size], [false, named([[620, -650]]), [[siteKey, text]], 0]);
  store.refuse = 0;
  await match.change(() => {});
  assert.deepEqual([match.saved, [...local], stored(store)], [true, movedFrom(siteKey), record({ revision: 1, lastEntry: last(entry('', '')) })]);
});

test('a tab\'s own entry, kept by the version before, is read with its tables renamed', () => {
  const v1 = { ours: '14', theirs: '-5', editing: 2, next: 'theirs', kept: { ours: '6', theirs: '', next: 'ours' }, was: null };
  const tab = openTabRecord({ key: 'entry', version: 2, migrations: entryMigrations, decode: ({ entry: typed }) => ({ entry: entryIn(typed) }),
    empty: () => ({ entry: null }), storage: () => ({ getItem: () => JSON.stringify({ version: 1, revision: 0, entry: v1 }) }) });
  assert.deepEqual(tab.value.entry, { ...entry('14', '-5', 2), next: 'other', kept: { own: '6', other: '', number: '', next: 'own' } });
});
