// What every screen over the calculator does alike: it shows itself anew as
// stored when another page stores a change or this one comes back to it
// (from the back-forward cache, or made visible again); its Back key and
// Escape, wherever the last tap landed, go back; a box left open closes
// with it, or it would hold the whole page.
export function screenFrame({ root, backKey, box, refresh, back, actOnce, beforeShow }) {
  addEventListener('storage', refresh);
  addEventListener('pageshow', (event) => event.persisted && refresh());
  document.addEventListener('visibilitychange', () => document.visibilityState === 'visible' && refresh());
  backKey.addEventListener('click', actOnce(back));
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !root.hidden && !box.open) back();
  });
  return {
    show() {
      beforeShow();
      root.hidden = false;
      backKey.focus();
    },
    hide() {
      box.close();
      root.hidden = true;
    },
  };
}
