// The match as this device keeps it: one record for the page's own folder,
// so that two copies on one host never share a match, kept as it is typed.
// Its boards are read whole or not at all; a half-typed entry, or a first
// board, that does not hold is started again on its own.
import { openRecord } from '../record_store.js';

// The longest text a score field holds: what is typed, carried and signed.
export const fieldLength = 8;

export const emptyEntry = () => ({ ours: '', theirs: '', editing: null });
const emptyMatch = () => ({ boards: [], entry: emptyEntry(), firstBoard: 1 });

const isCount = (n) => Number.isSafeInteger(n) && n >= 0;
const isField = (text) => typeof text === 'string' && text.length <= fieldLength;
// The number of a match's first board, 1 to 99.
export const isBoardNumber = (n) => Number.isInteger(n) && n >= 1 && n <= 99;

const migrations = {
  2: (record) => ({ ...record, revision: 0 }),
  3: (record) => ({ ...record, firstBoard: 1 }),
  // The entry's fields were named after the page's elements.
  4: ({ draft, ...record }) => ({ ...record, entry: draft && { ours: draft.Own, theirs: draft.Other, editing: draft.editing } }),
};

function decode({ boards, entry, firstBoard }, isDealScore) {
  if (!Array.isArray(boards) || !boards.every((board) => Array.isArray(board) && board.length === 2 && board.every(isDealScore))) return null;
  const entryHolds = isField(entry?.ours) && isField(entry.theirs)
    && (entry.editing === null || (isCount(entry.editing) && entry.editing < boards.length));
  return { boards, entry: entryHolds ? { ours: entry.ours, theirs: entry.theirs, editing: entry.editing } : emptyEntry(),
    firstBoard: isBoardNumber(firstBoard) ? firstBoard : 1 };
}

// `isDealScore` tells a score some deal gives; `onNewer` is told of a match
// another page stored, before it is shown.
export function openMatchStore(isDealScore, onNewer, storage) {
  // Before the record had a folder of its own, it was the whole site's.
  const formerKey = 'quimbel.match';
  return openRecord({
    key: `${formerKey} ${new URL('.', location.href).pathname}`, formerKey, version: 4, migrations,
    decode: (record) => decode(record, isDealScore), empty: emptyMatch, onNewer, storage,
    // Each field cut, here and as stored, to what a field holds.
    encode(match) {
      for (const part of ['ours', 'theirs']) match.entry[part] = match.entry[part].slice(0, fieldLength);
      return match;
    },
  });
}
