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

// `number` is the board's number as typed, '' for the one after the last;
// `kept` is the new board being typed, put by while a board is looked at;
// `was`, the board being corrected as it was when opened; `matchNumber`,
// the match's as the page last knew it.
export const emptyEntry = () => ({ own: '', other: '', number: '', editing: null, next: 'own', kept: null, was: null, matchNumber: null });
// `received`, a teammate's card not yet placed or ignored; `removed`, the
// board Rétablir brings back, until the next change; `matchNumber`, the time
// of its Nouveau match, null before the first.
const emptyMatch = () => ({ boards: [], nextId: 1, matchLength: null, lastEntry: null, received: null, removed: null, matchNumber: null });

// An entry as stored, or null where it does not hold: a half-typed entry is
// started again on its own, never costing the boards.
export function entryIn(stored) {
  const typed = (part) => typeof part === 'string' && part.length <= longestTyped;
  // An entry kept before boards had numbers of their own has none typed.
  const holds = (entry) => fields.every((field) => typed(entry?.[field])) && typed(entry.number ?? '') && fields.includes(entry.next);
  if (!holds(stored) || !(stored.editing === null || isCount(stored.editing))) return null;
  const kept = stored.kept === null || !holds(stored.kept) ? null
    : { own: stored.kept.own, other: stored.kept.other, number: stored.kept.number ?? '', next: stored.kept.next };
  // Where it does not hold, the correction is checked no more, as before it was kept.
  const was = [stored.was?.own, stored.was?.other].every((score) => score === null || Number.isSafeInteger(score))
    ? { own: stored.was.own, other: stored.was.other } : null;
  return { own: stored.own, other: stored.other, number: stored.number ?? '', editing: stored.editing, next: stored.next, kept, was,
    matchNumber: isCount(stored.matchNumber) ? stored.matchNumber : null };
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

// `fits` tells a board's number.
const migrations = (fits) => ({
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
  // Each board keeps its own number, through a removal; the first board's
  // number, which numbered them all, gives way as far as their numbers must
  // stay board numbers. A board may wait for one table's score.
  7: ({ boards, firstBoard, ...record }) => {
    let first = fits(firstBoard) ? firstBoard : 1;
    while (first > 1 && !fits(first + boards.length - 1)) first--;
    return { ...record, boards: boards.map((board, i) => ({ ...board, number: first + i })), received: null, removed: null };
  },
});

// A score at one table: a deal's, or null while it is not known.
const scoreIn = (score, isDealScore) => score === null || isDealScore(score);
// A board with a name of its own, below the next one to give, its number,
// and at least one table's score, as stored; or null.
function boardIn(board, nextId, { isDealScore, isBoardNumber }) {
  const { id, number, own, other } = board ?? {};
  return isCount(id) && id < nextId && isBoardNumber(number) && scoreIn(own, isDealScore) && scoreIn(other, isDealScore)
    && (own ?? other) !== null ? { id, number, own, other } : null;
}
// Every board held, each name and number once, in the order of their numbers.
function boardsIn(boards, nextId, rules) {
  if (!isCount(nextId) || !Array.isArray(boards)) return null;
  const held = boards.map((board) => boardIn(board, nextId, rules));
  const once = (part) => new Set(held.map((board) => board?.[part])).size === held.length;
  return held.every(Boolean) && once('id') && once('number') ? held.sort((a, b) => a.number - b.number) : null;
}
// A teammate's card: its first board's number and each board's score at
// its table, or null for a board it leaves out; each board a board number.
function cardIn(card, { isDealScore, isBoardNumber }) {
  const { first, scores } = card ?? {};
  return Array.isArray(scores) && scores.every((score, i) => scoreIn(score, isDealScore) && isBoardNumber(first + i)) && isBoardNumber(first)
    ? { first, scores: [...scores] } : null;
}

function decode({ boards, nextId, matchLength, lastEntry, received, removed, matchNumber }, rules) {
  const held = boardsIn(boards, nextId, rules);
  const last = entryIn(lastEntry?.entry);
  return held && { boards: held, nextId, matchLength: rules.isBoardNumber(matchLength) ? matchLength : null,
    lastEntry: last && typeof lastEntry.page === 'string' ? { page: lastEntry.page, entry: last } : null,
    received: cardIn(received, rules), removed: boardIn(removed, nextId, rules), matchNumber: isCount(matchNumber) ? matchNumber : null };
}

// Each field cut, here and as stored, to what a field keeps.
export function cut(entry) {
  for (const field of [...fields, 'number']) entry[field] = entry[field].slice(0, longestTyped);
  return entry;
}

// `rules` tell a score some deal gives and a board's number; `changed` is told of another page's change.
export function openMatchStore(rules, { storage, changed, channel } = {}) {
  const key = `quimbel.match ${new URL('.', location.href).pathname}`;
  return openRecord({
    // Before IndexedDB, the record was in Web Storage; before it had a folder of its own, it was the whole site's.
    key, former: localRecord([key, 'quimbel.match']), version: 7, migrations: migrations(rules.isBoardNumber),
    decode: (record) => decode(record, rules), empty: emptyMatch, storage, changed, channel,
    encode(match) {
      if (match.lastEntry) cut(match.lastEntry.entry);
      return match;
    },
  });
}
