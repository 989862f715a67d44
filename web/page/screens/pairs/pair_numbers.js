// A result's two pairs as typed: both or neither, each a number from 1 to
// 99, neither already on the board, and, in a Howell, not one pair against
// itself (in a Mitchell N-S 3 and E-O 3 are two pairs). Refused at the
// field with the reason, in French.

import { countsUpTo } from '../board_number.js';

// Whether a number is a pair's.
export const isPair = countsUpTo(99);
const names = { ns: 'N-S', ew: 'E-O' };
const partner = { ns: 'ew', ew: 'ns' };

// `typed`: the texts of the pairs' fields; `others`, the board's other
// results. The pairs, null for none, and the refusals by field.
export function pairsRefused(typed, others, howell) {
  const errors = {};
  const text = { ns: typed.ns.trim(), ew: typed.ew.trim() };
  if (!text.ns && !text.ew) return { ns: null, ew: null, errors };
  const pairs = {};
  for (const side of ['ns', 'ew']) {
    pairs[side] = /^\d+$/.test(text[side]) ? Number(text[side]) : NaN;
    if (!text[side]) errors[side] = `Saisissez aussi la paire ${names[side]}.`;
    else if (!isPair(pairs[side])) errors[side] = 'Un numéro de paire va de 1 à 99.';
  }
  if (howell && !errors.ew && pairs.ns === pairs.ew) errors.ew = 'Une paire ne joue pas contre elle-même.';
  for (const side of ['ns', 'ew']) {
    if (!errors[side] && seated(pairs, side, others, howell)) {
      errors[side] = `La paire ${howell ? '' : `${names[side]} `}${pairs[side]} a déjà joué cette donne.`;
    }
  }
  return { ...pairs, errors };
}

// Whether a result's pair on `side` already sits on a board beside `others`:
// in a Howell, a pair is its number whichever direction it sits.
const seated = (result, side, others, howell) => others.some((other) => other[side] === result[side]
  || (howell && other[partner[side]] === result[side]));

// Where a stored result's pairs cannot sit on its board beside `others`: the
// pair, and whether it plays itself (in a Howell) or is seated twice; or null.
export function clashOf(result, others, howell) {
  if (howell && result.ns !== null && result.ns === result.ew) return { pair: result.ns, itself: true };
  const side = ['ns', 'ew'].find((part) => result[part] !== null && seated(result, part, others, howell));
  return side ? { pair: result[side], itself: false } : null;
}
