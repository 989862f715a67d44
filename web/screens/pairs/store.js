// One board of a pairs event as this device keeps it: one record for the
// page's own folder, kept as it is typed. Its results are read whole or not
// at all; a board number or a half-typed score that does not hold gives way
// on its own.
import { openRecord } from '../record_store.js';
import { isBoardNumber } from '../board_number.js';

// The longest text the score field keeps: far past any score, so that
// nothing a player could mean is ever cut.
const keptLength = 64;
// The most tables a board of a pairs event is scored over.
export const mostResults = 99;

// The score being typed; the result it corrects, by name; and `kept`, the
// new score that was being typed before a result was looked at.
export const emptyEntry = () => ({ score: '', editing: null, kept: '' });
const emptyBoard = () => ({ board: 1, results: [], nextId: 1, entry: emptyEntry() });

const isCount = (n) => Number.isSafeInteger(n) && n >= 0;
const text = (typed) => (typeof typed === 'string' ? typed.slice(0, keptLength) : '');
const entryIn = (entry) => ({ score: text(entry?.score), editing: isCount(entry?.editing) ? entry.editing : null, kept: text(entry?.kept) });

// Each result with a name of its own, below the next one to give, and a deal score.
function resultsIn(results, nextId, isDealScore) {
  if (!isCount(nextId) || !Array.isArray(results) || results.length > mostResults) return null;
  const named = new Set();
  for (const result of results) {
    if (!isCount(result?.id) || result.id >= nextId || named.has(result.id) || !isDealScore(result.score)) return null;
    named.add(result.id);
  }
  return results.map(({ id, score }) => ({ id, score }));
}

function decode({ board, results, nextId, entry }, isDealScore) {
  const named = resultsIn(results, nextId, isDealScore);
  return named && { board: isBoardNumber(board) ? board : 1, results: named, nextId, entry: entryIn(entry) };
}

// `isDealScore` tells a score some deal gives.
export function openPairsStore(isDealScore, storage) {
  return openRecord({
    key: `quimbel.pairs ${new URL('.', location.href).pathname}`, version: 1, migrations: {},
    decode: (record) => decode(record, isDealScore), empty: emptyBoard, storage,
    encode(pairs) {
      pairs.entry = entryIn(pairs.entry);
      return pairs;
    },
  });
}
