// This page's name, kept for its tab (a reload keeps it), and a lock held
// under it while the page is open, from just after it is first drawn (at
// once behind another window, where it draws nothing): by it another page
// tells whether this one is still open, before it takes up what this one typed.
const folder = new URL('.', location.href).pathname;
const lockName = (page) => `quimbel.page ${folder} ${page}`;

function pageName() {
  const key = `quimbel.page ${folder}`;
  try {
    const name = sessionStorage.getItem(key) ?? crypto.randomUUID();
    sessionStorage.setItem(key, name);
    return name;
  } catch {
    // No storage for the tab, or an origin without crypto.randomUUID: a name for the visit.
    return String(Math.random());
  }
}

export function startPresence() {
  const name = pageName();
  navigator.locks?.request(lockName(name), () => new Promise(() => {})).catch(() => {});
  return {
    name,
    // Whether the page of that name may still be open: always so where the
    // browser cannot tell, so that nothing typed is ever taken from an open page.
    mayBeOpen: async (page) => !navigator.locks
      || Boolean((await navigator.locks.query()).held.some((lock) => lock.name === lockName(page))),
  };
}
