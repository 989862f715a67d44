// One tap, one action: after an action that changes what the screen shows,
// a quick second tap at the same spot, on the same control or on whatever
// now stands under the finger, is not taken. A moment later it is; so is a
// key, which has no spot. A tap elsewhere, or typing, ends the quiet time:
// the finger has moved on, and its next tap at the old spot is meant.
const quiet = 450; // ms: a double tap's second tap comes well within it
const reach = 24; // px: a finger's second tap lands this close to the first
let last = { at: -Infinity, x: 0, y: 0 };

const meant = () => {
  last.at = -Infinity;
};

addEventListener('click', (event) => {
  if (event.detail === 0) return;
  const again = performance.now() - last.at < quiet
    && Math.hypot(event.clientX - last.x, event.clientY - last.y) < reach;
  // Taken: an action's own listener, which comes after this one, notes it anew.
  if (!again) return meant();
  event.stopImmediatePropagation();
  event.preventDefault();
}, true);
addEventListener('input', meant, true);
addEventListener('keydown', meant, true);

// `act` as a listener after which a second tap at its spot is not taken.
export const actOnce = (act) => (event) => {
  if (event.detail > 0) last = { at: performance.now(), x: event.clientX, y: event.clientY };
  act(event);
};
