// One board of a pairs event as this device keeps it: one record for the
// page's own folder, kept as it is typed. Its results are read whole or not
// at all; a board number or a half-typed score that does not hold gives way
// on its own. Each page keeps its own entry (the score being typed or
// corrected) for itself, and the record keeps the last one typed, which a
// page opened later takes up when the page that typed it is no longer open.
import { isCount, localRecord, openRecord } from '../record_store.js';

// The longest text the score field keeps: far past any score, so that
// nothing a player could mean is ever cut.
const longestTyped = 64;
// The score being typed; the result it corrects, by name, and its score
// when opened; and `kept`, the new score that was being typed before a
// result was looked at.
export const emptyEntry = () => ({ score: '', editing: null, was: null, kept: '' });
const emptyBoard = () => ({ board: 1, results: [], nextId: 1, lastEntry: null });

const text = (typed) => (typeof typed === 'string' ? typed.slice(0, longestTyped) : '');
export const entryIn = (entry) => {
  const editing = isCount(entry?.editing) ? entry.editing : null;
  return { score: text(entry?.score), editing, was: editing !== null && Number.isSafeInteger(entry.was) ? entry.was : null,
    kept: text(entry?.kept) };
};

// Each result with a name of its own, below the next one to give, and a
// deal score; no more than the tables a board is scored over.
function resultsIn(results, nextId, { isDealScore, largestCount }) {
  if (!isCount(nextId) || !Array.isArray(results) || results.length > largestCount) return null;
  const named = new Set();
  for (const result of results) {
    if (!isCount(result?.id) || result.id >= nextId || named.has(result.id) || !isDealScore(result.score)) return null;
    named.add(result.id);
  }
  return results.map(({ id, score }) => ({ id, score }));
}

function decode({ board, results, nextId, lastEntry }, rules) {
  const named = resultsIn(results, nextId, rules);
  const { isBoardNumber } = rules;
  return named && { board: isBoardNumber(board) ? board : 1, results: named, nextId,
    lastEntry: typeof lastEntry?.page === 'string' ? { page: lastEntry.page, entry: entryIn(lastEntry.entry) } : null };
}

const migrations = {
  // Each page keeps its own entry; the record, the last one typed.
  2: ({ entry, ...record }) => ({ ...record, lastEntry: { page: '', entry } }),
};

// `rules` tell a score some deal gives, a board's number and the most
// tables a board is scored over; `changed` is told of another page's change.
export function openPairsStore(rules, { storage, changed, channel } = {}) {
  const key = `quimbel.pairs ${new URL('.', location.href).pathname}`;
  return openRecord({
    // Before IndexedDB, the record was in Web Storage.
    key, former: localRecord([key]), version: 2, migrations,
    decode: (record) => decode(record, rules), empty: emptyBoard, storage, changed, channel,
    encode(pairs) {
      if (pairs.lastEntry) pairs.lastEntry.entry = entryIn(pairs.lastEntry.entry);
      return pairs;
    },
  });
}
