// A pairs session as this device keeps it: one record for the page's own
// folder, kept as it is typed. Its movement, its tournament's number (the
// time of its Nouveau tournoi, null before the first), and every board's
// traveller: each result with its two pairs (or none) and a score or an
// adjusted score. The travellers are read whole or not at all; a movement,
// a board number or a half-typed entry that does not hold gives way on its
// own. Each page keeps its own entry (the board it types on, and the result
// being typed or corrected) for itself, so that no other page's change
// moves it, and the record keeps the last one typed, which a page opened
// later takes up when the page that typed it is no longer open.
// `removed` is the result Rétablir brings back, with its board and its
// place there, until the next change.
import { isCount, localRecord, openRecord } from '../record_store.js';
import { isPair } from './pair_numbers.js';

// The longest text a field keeps: far past any score, so that nothing a
// player could mean is ever cut.
const longestTyped = 64;
// The adjusted scores, by their codes from 1; 0 is a score.
export const adjustedNames = ['60 / 40', '50 / 50', '40 / 60', '60 / 60', '40 / 40'];
const isAdjusted = (code) => Number.isInteger(code) && code >= 1 && code <= adjustedNames.length;
const movements = ['howell', 'mitchell'];

// What is typed in a result's fields: its pairs, its adjusted score's code
// and its score.
const emptyTyped = () => ({ ns: '', ew: '', adjusted: 0, score: '' });
// The result being typed; the one it corrects, by name, and that result as
// it was when opened; and `kept`, the new result that was being typed
// before a result was looked at. The page's board, and the tournament it
// belongs to, are added by the page: a new result keeps them.
export const emptyEntry = () => ({ ...emptyTyped(), editing: null, was: null, kept: emptyTyped() });
const emptySession = () => ({ movement: 'howell', tournament: null, boards: [], nextId: 1, lastEntry: null, removed: null });

const text = (typed) => (typeof typed === 'string' ? typed.slice(0, longestTyped) : '');
// An earlier entry's `kept` was the score alone.
const typedIn = (typed) => (typeof typed === 'string' ? { ...emptyTyped(), score: text(typed) }
  : { ns: text(typed?.ns), ew: text(typed?.ew), adjusted: isAdjusted(typed?.adjusted) ? typed.adjusted : 0, score: text(typed?.score) });

// A result as stored: its name, its pairs or null, and its score or its adjusted score.
const resultIn = (result, isDealScore) => {
  const paired = result?.ns === null ? result.ew === null : isPair(result?.ns) && isPair(result.ew);
  const scored = isAdjusted(result?.adjusted) ? { adjusted: result.adjusted } : isDealScore(result?.score) && { score: result.score };
  return isCount(result?.id) && paired && scored ? { id: result.id, ns: result.ns, ew: result.ew, ...scored } : null;
};
// The same result: its pairs and its score alike.
export const sameResult = (a, b) => ['ns', 'ew', 'score', 'adjusted'].every((key) => a?.[key] === b?.[key]);

// An entry as stored; its board and tournament null where they do not hold,
// as in an entry kept before pages had their own boards.
export const entryIn = (entry, isBoardNumber) => {
  const editing = isCount(entry?.editing) ? entry.editing : null;
  // Where it does not hold, the correction is checked no more, as before it was kept.
  const was = editing === null ? null : resultIn({ id: editing, ...entry.was }, Number.isSafeInteger);
  return { ...typedIn(entry), editing, was, kept: typedIn(entry?.kept), board: isBoardNumber(entry?.board) ? entry.board : null,
    tournament: isCount(entry?.tournament) ? entry.tournament : null };
};

// Every board once, each of its results with a name of its own below the
// next one to give; no more results than the tables a board is scored over.
function boardsIn(boards, nextId, rules) {
  if (!isCount(nextId) || !Array.isArray(boards)) return null;
  const named = new Set();
  const numbers = new Set();
  const read = [];
  for (const board of boards) {
    if (!rules.isBoardNumber(board?.number) || numbers.has(board.number) || !Array.isArray(board.results)
      || board.results.length > rules.largestCount) return null;
    numbers.add(board.number);
    const results = board.results.map((result) => resultIn(result, rules.isDealScore));
    if (results.some((result) => !result || result.id >= nextId || named.has(result.id) || !named.add(result.id))) return null;
    read.push({ number: board.number, results });
  }
  return read;
}

// A removed result, below the next name to give, with its board's number
// and its place; or null, as in a record kept before Rétablir was.
function removedIn(removed, nextId, { isBoardNumber, isDealScore }) {
  const result = resultIn(removed?.result, isDealScore);
  return result && result.id < nextId && isBoardNumber(removed.number) && isCount(removed.index)
    ? { number: removed.number, index: removed.index, result } : null;
}

function decode({ movement, tournament, boards, nextId, lastEntry, removed }, rules) {
  const read = boardsIn(boards, nextId, rules);
  return read && { movement: movements.includes(movement) ? movement : 'howell', tournament: isCount(tournament) ? tournament : null,
    boards: read, nextId,
    lastEntry: typeof lastEntry?.page === 'string' ? { page: lastEntry.page, entry: entryIn(lastEntry.entry, rules.isBoardNumber) } : null,
    removed: removedIn(removed, nextId, rules) };
}

const migrations = ({ isBoardNumber }) => ({
  // Each page keeps its own entry; the record, the last one typed.
  2: ({ entry, ...record }) => ({ ...record, lastEntry: { page: '', entry } }),
  // The one board becomes the first of a session, its results with no
  // pairs; a number that does not hold gives way, as it did.
  3: ({ board, results, ...record }) => {
    const number = isBoardNumber(board) ? board : 1;
    return { ...record, movement: 'howell', board: number,
      boards: [{ number, results: results.map(({ id, score }) => ({ id, ns: null, ew: null, score })) }] };
  },
  // The board shown, which every page shared, becomes the last entry's, the
  // one a page opened anew takes up.
  4: ({ board, lastEntry, ...record }) => ({ ...record,
    lastEntry: { page: typeof lastEntry?.page === 'string' ? lastEntry.page : '', entry: { ...lastEntry?.entry, board } } }),
});

// `rules` tell a score some deal gives, a board's number and
// the most tables a board is scored over; `changed` is told of another page's change.
export function openPairsStore(rules, { storage, changed, channel } = {}) {
  const key = `quimbel.pairs ${new URL('.', location.href).pathname}`;
  return openRecord({
    // Before IndexedDB, the record was in Web Storage.
    key, former: localRecord([key]), version: 4, migrations: migrations(rules),
    decode: (record) => decode(record, rules), empty: emptySession, storage, changed, channel,
    encode(session) {
      if (session.lastEntry) session.lastEntry.entry = entryIn(session.lastEntry.entry, rules.isBoardNumber);
      return session;
    },
  });
}
