// One record kept in Web Storage for a screen: it carries a version, and is
// read by migration from every earlier one, and a revision, so that a page
// never writes over a change it has not read. A record the page cannot read
// is set aside whole, never overwritten; one a later version of the page
// stored is left to it. Where storage is blocked or full, the record works
// for the visit and says it is not kept.
//   key         where the record is kept
//   formerKey   where an earlier version kept it, moved to `key` once read
//   version     the record's version today
//   migrations  each version's record made from the one before it, by the
//               version it produces: { 2: (record) => ..., 3: ... }
//   decode      the value in a record of today's version, or null
//   empty       a value with nothing in it yet
//   encode      the value as stored (by default, as it is)
//   storage     gives the Storage to use, and may throw (blocked storage)
export function openRecord({ key, formerKey, version, migrations, decode, empty, encode = (value) => value,
  storage = () => localStorage, now = Date.now }) {
  let value = empty();
  let revision = 0;
  // The stored text as this page last read or wrote it: any other is newer.
  let known = null;
  // Whether what is changed here is kept on this device.
  let kept = true;
  let setAside = false;
  // Whether a later version of the page stored the record: it is left to it.
  let later = false;
  // The former key's record, read but not yet moved for want of room.
  let moving = false;

  // The value in a stored text with its revision, 'later' for a later
  // version's record, or null.
  function read(text) {
    let record;
    try {
      record = JSON.parse(text);
      while (record.version < version) record = { ...migrations[record.version + 1](record), version: record.version + 1 };
    } catch {
      return null;
    }
    if (record?.version > version) return 'later';
    if (record?.version !== version || !Number.isSafeInteger(record.revision) || record.revision < 0) return null;
    const decoded = decode(record);
    return decoded && { value: decoded, revision: record.revision };
  }

  // Keeps an unreadable record under a key of its own; false where it cannot.
  function putAside(store, text) {
    try {
      store.setItem(`${key} illisible ${now()}`, text);
      store.removeItem(key);
      setAside = true;
      return true;
    } catch {
      kept = false;
      return false;
    }
  }

  // Reads the stored record when it is not the one this page knows; false
  // where the page must not write, the record being unreadable and kept.
  function sync(store) {
    let text = store.getItem(key);
    if (text === null && formerKey) {
      // Read where it is when storage is too full to move it.
      text = store.getItem(formerKey);
      try {
        if (text !== null) store.setItem(key, text);
        store.removeItem(formerKey);
      } catch {
        kept = false;
        moving = true;
      }
    }
    if (text === null || text === known) {
      // A later version's record, once gone, holds this page back no more.
      later = false;
      return true;
    }
    const stored = read(text);
    later = stored === 'later';
    if (later) return false;
    if (!stored) return putAside(store, text);
    known = text;
    ({ value, revision } = stored);
    return true;
  }

  function withStorage(use) {
    try {
      return use(storage());
    } catch {
      kept = false;
      return false;
    }
  }

  // Stores the value over the record this page last read or wrote.
  function write(store) {
    const text = JSON.stringify({ version, revision: revision + 1, ...encode(value) });
    try {
      store.setItem(key, text);
    } catch {
      kept = false;
      return;
    }
    known = text;
    revision += 1;
    kept = true;
    if (moving) store.removeItem(formerKey);
    moving = false;
  }

  return {
    get value() {
      return value;
    },
    // Whether what is changed here is stored: not while a later version's record stands.
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
    // Applies `edit` to the value as last stored, then stores it.
    change(edit) {
      const writable = withStorage(sync);
      edit(value);
      if (writable) withStorage(write);
    },
  };
}
