// The match as this device keeps it: one record in Web Storage for the
// page's own folder, with a version, read by migration from every earlier
// one, and a revision, so that a page never writes over a change it has not
// read. A record it cannot read is set aside whole, never overwritten.

// The longest text a score field holds: what is typed, carried and signed.
export const fieldLength = 8;
const version = 3;
// Before the record had a folder of its own, it was the whole site's.
const siteWideKey = 'quimbel.match';
// Each earlier version's record turned into the next one's.
const migrations = {
  1: (record) => ({ ...record, version: 2, revision: 0 }),
  2: (record) => ({ ...record, version: 3, firstBoard: 1 }),
};

export const emptyDraft = () => ({ Own: '', Other: '', editing: null });

const isCount = (n) => Number.isSafeInteger(n) && n >= 0;
const isField = (text) => typeof text === 'string' && text.length <= fieldLength;
// The number of a match's first board, 1 to 99.
export const isBoardNumber = (n) => Number.isInteger(n) && n >= 1 && n <= 99;

// The match in a stored text, 'later' for a later version's record, or null:
// the boards are read whole or not at all; a half-typed entry, or a first
// board, that does not hold is started again on its own.
function decode(text, isDealScore) {
  let record;
  try {
    record = JSON.parse(text);
    while (record.version < version) record = migrations[record.version](record);
  } catch {
    return null;
  }
  const { version: stored, revision, boards, draft, firstBoard } = record;
  if (stored > version) return 'later';
  if (stored !== version || !isCount(revision) || !Array.isArray(boards)
    || !boards.every((board) => Array.isArray(board) && board.length === 2 && board.every(isDealScore))) return null;
  const entryHolds = isField(draft?.Own) && isField(draft.Other)
    && (draft.editing === null || (isCount(draft.editing) && draft.editing < boards.length));
  return { revision, boards, draft: entryHolds ? { Own: draft.Own, Other: draft.Other, editing: draft.editing } : emptyDraft(),
    firstBoard: isBoardNumber(firstBoard) ? firstBoard : 1 };
}

// `onNewer` is told of a match another page stored, before it is shown.
export function openStore(isDealScore, onNewer) {
  const key = `${siteWideKey} ${new URL('.', location.href).pathname}`;
  let match = { boards: [], draft: emptyDraft(), firstBoard: 1 };
  let revision = 0;
  // The stored text as this page last read or wrote it: any other is newer.
  let known = null;
  // Whether what is keyed here is kept on this device.
  let kept = true;
  let setAside = false;
  // Whether a later version of the page stored the match: it is left to it.
  let later = false;
  // The whole site's record, read but not yet moved for want of room.
  let moving = false;

  // Keeps an unreadable record under a key of its own; false where it cannot.
  function putAside(storage, text) {
    try {
      storage.setItem(`${key} illisible ${Date.now()}`, text);
      storage.removeItem(key);
      setAside = true;
      return true;
    } catch {
      kept = false;
      return false;
    }
  }

  // Reads the stored record when it is not the one this page knows; false
  // where the page must not write, the record being unreadable and kept.
  function sync(storage) {
    let text = storage.getItem(key);
    if (text === null) {
      // The whole site's record becomes the folder's; read where it is
      // when storage is too full to move it.
      text = storage.getItem(siteWideKey);
      try {
        if (text !== null) storage.setItem(key, text);
        storage.removeItem(siteWideKey);
      } catch {
        kept = false;
        moving = true;
      }
    }
    if (text === null || text === known) return true;
    const stored = decode(text, isDealScore);
    later = stored === 'later';
    if (later) return false;
    if (!stored) return putAside(storage, text);
    known = text;
    revision = stored.revision;
    match = { boards: stored.boards, draft: stored.draft, firstBoard: stored.firstBoard };
    onNewer(match);
    return true;
  }

  function withStorage(use) {
    try {
      return use(localStorage);
    } catch {
      kept = false;
      return false;
    }
  }

  // Stores the match, its fields no longer than a field holds, over the
  // record this page last read or wrote.
  function write(storage) {
    for (const id of ['Own', 'Other']) match.draft[id] = match.draft[id].slice(0, fieldLength);
    const text = JSON.stringify({ version, revision: revision + 1, ...match });
    try {
      storage.setItem(key, text);
    } catch {
      kept = false;
      return;
    }
    known = text;
    revision += 1;
    kept = true;
    if (moving) storage.removeItem(siteWideKey);
    moving = false;
  }

  return {
    get match() {
      return match;
    },
    // Whether what is keyed here is stored: not while a later version's record stands.
    get kept() {
      return kept && !later;
    },
    // Whether an unreadable record was set aside.
    get setAside() {
      return setAside;
    },
    get later() {
      return later;
    },
    refresh: () => withStorage(sync),
    // Applies `edit` to the match as last stored, then stores it.
    change(edit) {
      const writable = withStorage(sync);
      edit(match);
      if (writable) withStorage(write);
    },
  };
}
