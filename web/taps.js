// One tap, one action: after an action that changes what the screen shows,
// a quick second tap at the same spot, on the same control or on whatever
// now stands under the finger, is not taken. A tap elsewhere, or a moment
// later, or after typing, is; so is a key, which has no spot.
const quiet = 450; // ms: a double tap's second tap comes well within it
const reach = 24; // px: a finger's second tap lands this close to the first
let last = { at: -Infinity, x: 0, y: 0 };

addEventListener('click', (event) => {
  const again = event.detail > 0 && performance.now() - last.at < quiet
    && Math.hypot(event.clientX - last.x, event.clientY - last.y) < reach;
  if (!again) return;
  event.stopImmediatePropagation();
  event.preventDefault();
}, true);

// Typing between two taps makes the second one meant.
const meant = () => {
  last.at = -Infinity;
};
addEventListener('input', meant, true);
addEventListener('keydown', meant, true);

// `act` as a listener after which a second tap at its spot is not taken.
export const actOnce = (act) => (event) => {
  if (event.detail > 0) last = { at: performance.now(), x: event.clientX, y: event.clientY };
  act(event);
};
