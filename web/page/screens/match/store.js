// The match as this device keeps it: one record for the page's own folder,
// so that two copies on one host never share a match, kept as it is typed.
// Its boards are read whole or not at all. Each page keeps its own entry
// (the board being typed or corrected) for itself, and the record keeps the
// last one typed, which a page opened later takes up when the page that
// typed it is no longer open.
import { isCount, localRecord, openRecord } from '../record_store.js';

// The longest text a score field keeps: far past any score, so that nothing
// a player could mean is ever cut.
const longestTyped = 64;
// The two tables, by the names a board gives them.
const fields = ['own', 'other'];

// `kept` is the new board being typed, put by while a board is looked at;
// `was`, the board being corrected as it was when opened.
export const emptyEntry = () => ({ own: '', other: '', editing: null, next: 'own', kept: null, was: null });
const emptyMatch = () => ({ boards: [], nextId: 1, firstBoard: 1, matchLength: null, lastEntry: null });

// An entry as stored, or null where it does not hold: a half-typed entry is
// started again on its own, never costing the boards.
export function entryIn(stored) {
  const typed = (part) => typeof part === 'string' && part.length <= longestTyped;
  const holds = (entry) => fields.every((field) => typed(entry?.[field])) && fields.includes(entry.next);
  if (!holds(stored) || !(stored.editing === null || isCount(stored.editing))) return null;
  const kept = stored.kept === null || !holds(stored.kept) ? null
    : { own: stored.kept.own, other: stored.kept.other, next: stored.kept.next };
  // Where it does not hold, the correction is checked no more, as before it was kept.
  const was = Number.isSafeInteger(stored.was?.own) && Number.isSafeInteger(stored.was.other)
    ? { own: stored.was.own, other: stored.was.other } : null;
  return { own: stored.own, other: stored.other, editing: stored.editing, next: stored.next, kept, was };
}

// An entry whose tables were named 'ours' and 'theirs', named as a board names them.
const tablesRenamed = (entry) => {
  if (!entry || typeof entry !== 'object') return entry;
  const { ours, theirs, next, kept, ...rest } = entry;
  const renamed = { ...rest, own: ours, other: theirs, next: { ours: 'own', theirs: 'other' }[next] };
  return kept === undefined ? renamed : { ...renamed, kept: tablesRenamed(kept) };
};
// The tab's own entry record, by the version each produces.
export const entryMigrations = { 2: ({ entry, ...record }) => ({ ...record, entry: tablesRenamed(entry) }) };

const migrations = {
  2: (record) => ({ ...record, revision: 0 }),
  3: (record) => ({ ...record, firstBoard: 1 }),
  // The entry's fields were named after the page's elements.
  4: ({ draft, ...record }) => ({ ...record, entry: draft && { ours: draft.Own, theirs: draft.Other, editing: draft.editing } }),
  // Boards gain a name of their own, which a correction holds to; the entry
  // becomes the last one typed; the match gains its length.
  5: ({ boards, entry, ...record }) => ({ ...record, boards: boards.map(([own, other], i) => ({ id: i + 1, own, other })),
    nextId: boards.length + 1, matchLength: null,
    lastEntry: entry && { page: '', entry: { ...entry, editing: isCount(entry.editing) ? entry.editing + 1 : null, next: 'ours', kept: null } } }),
  // The entry's tables named as a board names them.
  6: ({ lastEntry, ...record }) => ({ ...record, lastEntry: lastEntry && { ...lastEntry, entry: tablesRenamed(lastEntry.entry) } }),
};

// Every board with a name of its own, below the next one to give, and two deal scores.
function boardsIn(boards, nextId, isDealScore) {
  if (!isCount(nextId) || !Array.isArray(boards)) return null;
  const named = new Set();
  for (const board of boards) {
    if (!isCount(board?.id) || board.id >= nextId || named.has(board.id) || !isDealScore(board.own) || !isDealScore(board.other)) return null;
    named.add(board.id);
  }
  return boards.map(({ id, own, other }) => ({ id, own, other }));
}

function decode({ boards, nextId, firstBoard, matchLength, lastEntry }, { isDealScore, isBoardNumber }) {
  const named = boardsIn(boards, nextId, isDealScore);
  const last = entryIn(lastEntry?.entry);
  return named && { boards: named, nextId, firstBoard: isBoardNumber(firstBoard) ? firstBoard : 1,
    matchLength: isBoardNumber(matchLength) ? matchLength : null,
    lastEntry: last && typeof lastEntry.page === 'string' ? { page: lastEntry.page, entry: last } : null };
}

// Each field cut, here and as stored, to what a field keeps.
export function cut(entry) {
  for (const field of fields) entry[field] = entry[field].slice(0, longestTyped);
  return entry;
}

// `rules` tell a score some deal gives and a board's number; `changed` is told of another page's change.
export function openMatchStore(rules, { storage, changed, channel } = {}) {
  const key = `quimbel.match ${new URL('.', location.href).pathname}`;
  return openRecord({
    // Before IndexedDB, the record was in Web Storage; before it had a folder of its own, it was the whole site's.
    key, former: localRecord([key, 'quimbel.match']), version: 6, migrations,
    decode: (record) => decode(record, rules), empty: emptyMatch, storage, changed, channel,
    encode(match) {
      if (match.lastEntry) cut(match.lastEntry.entry);
      return match;
    },
  });
}
