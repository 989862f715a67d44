// The records the screens keep on the device. Each carries a version, and is
// read by migration from every earlier one. A screen's shared record (the
// match, the pairs board) is kept in IndexedDB, whose transactions make the
// read, the check and the write one step across pages: a change is applied
// over whatever another page stored meanwhile, never over the record as
// this page last saw it, so no page's write is ever lost. A record the page
// cannot read is set aside whole, never overwritten; one a later version of
// the page stored is left to it. Where storage is blocked or full, the
// record works for the visit and says it is not kept.
//   key         where the record is kept
//   former      where an earlier version kept it, { read(), remove() }: read
//               while the key holds nothing, removed once moved
//   version     the record's version today
//   migrations  each version's record made from the one before it, by the
//               version it produces: { 2: (record) => ..., 3: ... }
//   decode      the value in a record of today's version, or null
//   empty       a value with nothing in it yet
//   encode      the value as stored
//   storage     { update(key, decide) }: runs `decide(text)` on the stored
//               text in one transaction and makes the writes it returns
//   changed     called when another page's change has been taken up
//   channel     where pages say they stored a change, and hear it

// The value in a stored text with its revision, 'later' for a later
// version's record, or null.
function readRecord(text, { version, migrations, decode }) {
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

// Whether `n` can stand for a count or a name: a whole number from 0.
export const isCount = (n) => Number.isSafeInteger(n) && n >= 0;

export function openRecord({ key, former, version, migrations, decode, empty, encode,
  storage = indexedStorage(), changed = () => {}, channel = new BroadcastChannel(key) }) {
  const format = { version, migrations, decode };
  // The value as last read or stored, the text it was read from, and its revision.
  let stored = empty();
  let known = null;
  let revision = 0;
  // The changes not yet stored, in order, and the value with them.
  let pending = [];
  let value = empty();
  let saved = true;
  let setAside = false;
  // Whether a later version of the page stored the record: it is left to it.
  let later = false;
  let queue = Promise.resolve();

  const withPending = () => {
    value = structuredClone(stored);
    for (const edit of pending) edit(value);
  };

  // Takes up a stored text: false where the page must not write. `aside`
  // receives the write that sets an unreadable record aside.
  function takeUp(text, aside) {
    // A later version's record, once gone, holds this page back no more.
    later = false;
    if (text === null || text === known) return true;
    const read = readRecord(text, format);
    later = read === 'later';
    if (later) return false;
    if (!read) {
      aside.push([`${key} illisible ${Date.now()}`, text]);
      return true;
    }
    ({ value: stored, revision } = read);
    known = text;
    return true;
  }

  // Reads the stored record and stores the pending changes over it, in one
  // transaction; where it cannot, the changes hold for the visit and wait.
  async function store() {
    const batch = [...pending];
    let written = null;
    let moved = false;
    try {
      await storage.update(key, (text) => {
        const aside = [];
        const formerText = text === null ? former?.read() ?? null : null;
        moved = formerText !== null;
        if (!takeUp(formerText ?? text, aside)) return [];
        if (!batch.length && !moved && !aside.length) return [];
        const next = structuredClone(stored);
        for (const edit of batch) edit(next);
        written = { text: JSON.stringify({ version, revision: revision + 1, ...encode(next) }), value: next, aside: aside.length > 0 };
        return [...aside, [key, written.text]];
      });
      saved = true;
    } catch {
      written = null;
      saved = false;
      // Storage out of reach: what an earlier version kept is still read.
      if (known === null && former) takeUp(former.read(), []);
    }
    if (written) {
      ({ text: known, value: stored } = written);
      revision += 1;
      setAside ||= written.aside;
      pending = pending.slice(batch.length);
      if (moved) former.remove();
      channel?.postMessage('');
    }
    const shown = JSON.stringify(value);
    withPending();
    if (JSON.stringify(value) !== shown) changed();
  }
  // One store at a time; one that fails leaves the next to try again.
  const queued = () => {
    queue = queue.then(store).catch(() => {});
    return queue;
  };
  channel?.addEventListener('message', queued);

  return {
    get value() {
      return value;
    },
    // Whether what is changed here is stored on this device: not while a later version's record stands.
    get saved() {
      return saved && !later;
    },
    // Whether an unreadable record was set aside.
    get setAside() {
      return setAside;
    },
    get later() {
      return later;
    },
    // Reads the record as stored now; resolves once it is taken up.
    refresh: queued,
    // Applies `edit` to the value at once, then stores it applied to the
    // record as stored then: `edit` may run again, on another page's change.
    change(edit) {
      edit(value);
      pending.push(edit);
      return queued();
    },
  };
}

// IndexedDB, one database for the site's records, opened on first use, and
// again after the browser closed it (the site's data cleared, or a phone's
// app long in the background). An open that neither succeeds nor fails
// (blocked by another page's, or a browser's hang) is given up on after
// `patience` ms, so that the screen says what is not kept rather than wait.
function indexedStorage(name = 'quimbel', patience = 2000) {
  let database;
  const forget = () => {
    database = undefined;
  };
  const open = () => {
    database ??= new Promise((resolve, reject) => {
      const request = indexedDB.open(name, 1);
      request.onupgradeneeded = () => request.result.createObjectStore('records');
      request.onsuccess = () => {
        const opened = request.result;
        opened.onclose = forget;
        // Another version of the database wants it: let it have it.
        opened.onversionchange = () => {
          opened.close();
          forget();
        };
        resolve(opened);
      };
      request.onerror = () => reject(request.error);
      request.onblocked = () => reject(new Error('database blocked'));
      setTimeout(() => reject(new Error('database not opened')), patience);
    });
    // Tried again at the next change after a failure.
    database.catch(forget);
    return database;
  };
  const begin = async () => {
    try {
      return (await open()).transaction('records', 'readwrite');
    } catch (error) {
      // A connection closed under this page: one more try on a new one.
      if (error.name !== 'InvalidStateError') throw error;
      forget();
      return (await open()).transaction('records', 'readwrite');
    }
  };
  return {
    async update(key, decide) {
      const transaction = await begin();
      const records = transaction.objectStore('records');
      return new Promise((resolve, reject) => {
        records.get(key).onsuccess = ({ target }) => {
          try {
            for (const [name, text] of decide(target.result ?? null)) records.put(text, name);
          } catch (error) {
            transaction.abort();
            reject(error);
          }
        };
        transaction.oncomplete = resolve;
        transaction.onabort = () => reject(transaction.error);
      });
    },
  };
}

// A record kept for this tab alone (sessionStorage): through a reload, the
// back-forward cache and an update. A tab has one page at a time, so it is
// read once and written as it changes; one it cannot read starts empty.
export function openTabRecord({ key, version, migrations = {}, decode, empty, encode, storage = () => sessionStorage }) {
  let value = empty();
  try {
    const read = readRecord(storage().getItem(key), { version, migrations, decode });
    if (read && read !== 'later') ({ value } = read);
  } catch {
    // No storage for the tab: the value holds for the visit.
  }
  return {
    get value() {
      return value;
    },
    change(edit) {
      edit(value);
      try {
        storage().setItem(key, JSON.stringify({ version, revision: 0, ...encode(value) }));
      } catch {
        // As above.
      }
    },
  };
}

// Left where a record was moved from: a page of an earlier version, still
// open, reads it as a later version's record, asks for a reload and writes
// nothing there that no page would read again.
const moved = JSON.stringify({ version: Number.MAX_SAFE_INTEGER });

// A record an earlier version kept in Web Storage, under the first of `keys`
// that holds one; nothing where storage is blocked, or once it is moved.
export function localRecord(keys, storage = () => localStorage) {
  const found = () => {
    try {
      return keys.map((name) => [name, storage().getItem(name)]).find(([, text]) => text !== null && text !== moved) ?? [];
    } catch {
      return [];
    }
  };
  return {
    read: () => found()[1] ?? null,
    remove() {
      const [name] = found();
      if (name) storage().setItem(name, moved);
    },
  };
}
