// A result's two pairs as a director types them: both or neither, each 1 to 99, never twice on a board nor, in a Howell,
// one pair against itself; in a Mitchell N-S 3 and E-O 3 are two pairs.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { pairsRefused } from '../page/screens/pairs/pair_numbers.js';

// On the board already: 1 v 2, and a result with no pairs.
const others = [{ ns: 1, ew: 2 }, { ns: null, ew: null }];

test('the pairs typed, or each refusal at its field', () => {
  for (const [ns, ew, howell, read] of [
    ['', ' ', true, { ns: null, ew: null, errors: {} }],
    [' 3', '04', true, { ns: 3, ew: 4, errors: {} }],
    ['3', '', true, { errors: { ew: 'Saisissez aussi la paire E-O.' } }],
    ['', '3', false, { errors: { ns: 'Saisissez aussi la paire N-S.' } }],
    ['0', '100', true, { errors: { ns: 'Un numéro de paire va de 1 à 99.', ew: 'Un numéro de paire va de 1 à 99.' } }],
    ['3', '3', true, { errors: { ew: 'Une paire ne joue pas contre elle-même.' } }],
    ['3', '3', false, { ns: 3, ew: 3, errors: {} }],
    ['2', '4', true, { errors: { ns: 'La paire 2 a déjà joué cette donne.' } }],
    ['3', '1', true, { errors: { ew: 'La paire 1 a déjà joué cette donne.' } }],
    ['2', '1', false, { ns: 2, ew: 1, errors: {} }],
    ['1', '2', false, { errors: { ns: 'La paire N-S 1 a déjà joué cette donne.', ew: 'La paire E-O 2 a déjà joué cette donne.' } }],
  ]) {
    const found = pairsRefused({ ns, ew }, others, howell);
    assert.deepEqual(Object.keys(read.errors).length ? { errors: found.errors } : found, read, `${ns} v ${ew}, ${howell ? 'Howell' : 'Mitchell'}`);
  }
});
