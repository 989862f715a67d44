// What this page is typing on a screen, its entry: kept for its tab alone
// (through a reload, the back-forward cache and an update), and as the last
// one typed in the screen's record, which a page opened anew takes up unless
// the page that typed it is still open and keeps it.
//   name     the tab's key, before the page's folder, and its record's
//            version and migrations
//   entryIn  an entry as stored, or null where it does not hold
//   keep     an entry as stored: its texts cut to what a field keeps
//   isBlank  whether an entry holds nothing typed
//   record   the screen's record, whose value holds `lastEntry`
import { openTabRecord } from './record_store.js';

export async function openEntry({ name, version = 1, migrations, entryIn, keep, empty, isBlank, record, presence, storage }) {
  const tab = openTabRecord({
    key: `${name} ${new URL('.', location.href).pathname}`, version, migrations, storage,
    // Null until the page has an entry.
    decode: ({ entry }) => ({ entry: entry && entryIn(entry) }),
    empty: () => ({ entry: null }),
    encode: ({ entry }) => ({ entry: entry && keep(entry) }),
  });
  if (!tab.value.entry) {
    const last = record.value.lastEntry;
    const adopted = last && !(await presence.mayBeOpen(last.page)) ? last.entry : empty();
    tab.change((mine) => {
      mine.entry = adopted;
    });
  }
  return {
    get value() {
      return tab.value.entry;
    },
    change(edit) {
      tab.change((mine) => edit(mine.entry));
      const entry = structuredClone(tab.value.entry);
      record.change((stored) => {
        // A page with nothing typed never takes the place of another's half-typed entry.
        const last = stored.lastEntry;
        if (isBlank(entry) && last && last.page !== presence.name && !isBlank(last.entry)) return;
        stored.lastEntry = { page: presence.name, entry };
      });
    },
  };
}
