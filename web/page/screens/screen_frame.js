// What every screen over the calculator does alike: it reads its record
// again when this page comes back to it (from the back-forward cache, or
// made visible again), where another page's change may have gone unheard;
// its Back key and Escape, wherever the last tap landed, go back, unless
// `escaped` takes Escape for the screen's own (it says so), or one of its
// boxes is open; a box left open closes with it, or it would hold the whole page.
export function screenFrame({ root, backKey, store, back, actOnce, beforeShow, escaped = () => false }) {
  const boxes = (state = '') => root.querySelectorAll(`dialog${state}`);
  addEventListener('pageshow', (event) => event.persisted && store.refresh());
  document.addEventListener('visibilitychange', () => document.visibilityState === 'visible' && store.refresh());
  backKey.addEventListener('click', actOnce(back));
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !root.hidden && !boxes('[open]').length && !escaped()) back();
  });
  return {
    show() {
      beforeShow();
      root.hidden = false;
      backKey.focus();
    },
    hide() {
      boxes().forEach((box) => box.close());
      root.hidden = true;
    },
  };
}
