// A result's two pairs as typed: both or neither, each a number from 1 to
// 99, neither already on the board, and, in a Howell, not one pair against
// itself (in a Mitchell N-S 3 and E-O 3 are two pairs). Refused at the
// field with the reason, in French.

import { countsUpTo } from '../board_number.js';

// Whether a number is a pair's.
export const isPair = countsUpTo(99);
const names = { ns: 'N-S', ew: 'E-O' };
const other = { ns: 'ew', ew: 'ns' };

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
    // In a Howell, a pair is its number whichever direction it sits.
    const seated = others.some((result) => result[side] === pairs[side] || (howell && result[other[side]] === pairs[side]));
    if (!errors[side] && seated) errors[side] = `La paire ${howell ? '' : `${names[side]} `}${pairs[side]} a déjà joué cette donne.`;
  }
  return { ...pairs, errors };
}
