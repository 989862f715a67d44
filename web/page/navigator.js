// The page's one navigator, over the screens its table lists
// (screens/screens.json, written in here by the build with each screen's
// module as the site names it). Each screen over the calculator is a history
// entry, so that Back (the screen's own key, the system's gesture or button,
// Escape) brings the calculator back as it was. A screen loads on first use,
// so the calculator never waits for it, and a reload on it opens it again;
// without the network and without the worker it may not come, and the player
// is told so on the calculator, where Back leaves the page no more.
import { $, shownResult, view } from './calculator.js';
import { startPresence } from './presence.js';
import { actOnce } from './taps.js';

const screens = '@SCREENS@';
// What compares scores, loaded with the first screen opened, again after a
// failure; its wrapper comes with the screens' library.
let comparison;
const loadComparison = () => {
  comparison ??= Promise.all([fetch('@COMPARISON@'), import('@LIBRARY@')]).then(async ([response, { startComparison }]) => {
    if (!response.ok) throw new Error(`comparison module: ${response.status}`);
    return startComparison(await response.arrayBuffer());
  })
    .catch((error) => {
      comparison = undefined;
      throw error;
    });
  return comparison;
};
// What a module offers a screen, which may read nothing else: a name
// misspelt stops the screen as it is built, never at a player's keystroke.
const offering = (module, names) => new Proxy(names, {
  get(offered, name) {
    if (!(name in offered)) throw new ReferenceError(`${module} offers no ${String(name)}`);
    return offered[name];
  },
});
// The screen a history entry shows; `match` is how an earlier version named it.
const screenOf = (state) => state?.screen ?? (state?.match ? 'match' : null);

// `engine` gives the engine, started at its first call.
export function startNavigator(engine) {
  // Taken at once, however the page comes: another page may look for it at
  // any moment, and a page reloaded behind others draws no frame for long.
  const presence = startPresence();
  const byName = Object.fromEntries(screens.map((screen) => [screen.name, screen]));
  // Each screen as built, by its name.
  const built = {};
  let shown = null;
  // Back once, however fast the taps: a second would leave the page.
  let leaving = false;
  const back = () => {
    if (!shown || leaving) return;
    leaving = true;
    history.back();
  };
  async function navigate() {
    leaving = false;
    const name = screenOf(history.state);
    if (!name) {
      if (!shown) return;
      shown.screen.hide();
      $('Form1').hidden = false;
      $(shown.opener).focus();
      shown = null;
      return;
    }
    const { module, opener, unavailable } = byName[name];
    try {
      // Built once, and tried again at the next tap after a failure.
      built[name] ??= Promise.all([import(`./${module}`), loadComparison()])
        .then(([{ build }, compare]) => build({ engine: offering('engine', engine()), comparison: offering('comparison', compare),
          result: shownResult, back, actOnce, presence }))
        .catch((error) => {
          delete built[name];
          throw error;
        });
      const screen = await built[name];
      if (screenOf(history.state) !== name) return;
      // Another screen may have come first, while this one was still coming.
      if (shown?.screen !== screen) shown?.screen.hide();
      screen.show();
      $('Form1').hidden = true;
      shown = { screen, opener };
    } catch {
      history.replaceState(null, '');
      view.showMessage('QUIMBEL', unavailable);
    }
  }
  for (const { name, opener } of screens) {
    $(opener).addEventListener('click', actOnce(() => {
      if (screenOf(history.state) !== name) history.pushState({ screen: name }, '');
      navigate();
    }));
  }
  addEventListener('popstate', navigate);
  // A link whose fragment a screen reads (a card scanned, tapped or pasted,
  // also into this page) opens that screen, over the calculator; the entry
  // before it is left without the fragment, which the screen takes out once read.
  function openFor() {
    const name = screens.find(({ fragment }) => fragment && location.hash.startsWith(`#${fragment}`))?.name;
    if (!name || screenOf(history.state) === name) return;
    const link = location.href;
    history.replaceState(history.state, '', link.split('#')[0]);
    history.pushState({ screen: name }, '', link);
  }
  addEventListener('hashchange', () => {
    openFor();
    navigate();
  });
  openFor();
  navigate();
}
