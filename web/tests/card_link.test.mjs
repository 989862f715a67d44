// A card written into a link and read back whole or refused with the reason, its QR code small enough to scan at arm's
// length, and a card placed in the match as the other table's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cardFragment, readCard } from '../page/screens/match/card_link.js';
import { ownCard, placeCard, spanned } from '../page/screens/match/card_place.js';
import { cardCode } from '../page/screens/match/card_box.js';

const deal = new Set([0, 50, -50, 90, 110, -100, 420, 620, -620, 1430, 2980, -7600]);
const rules = { isDealScore: (score) => deal.has(score), largestCount: 99 };
const scores = (count) => Array.from({ length: count }, (_, i) => [...deal][i % deal.size]);

test('a card read back as written, from any first board, with boards our table has not played', () => {
  for (const card of [{ first: 1, scores: scores(32) }, { first: 9, scores: [620, null, -7600, null, 0] }, { first: 99, scores: [2980] },
    { first: 1, scores: scores(99) }]) {
    assert.deepEqual(readCard(cardFragment(card), rules), card);
  }
  // As written by hand: board 9, 620 in tens moved up by 924 (986: M .), none (0 0), -100 (914: L B); then the
  // CRC-32 of it all (zlib's, 2967050028) in seven digits of base 36. A link sent from one version is read by the next.
  assert.equal(cardFragment({ first: 9, scores: [620, null, -100] }), 'CARTE109M.00LB1D2I6GC');
  // Never ending in a character that a chat app's linkifier leaves out of the link, or that markdown takes for its own.
  for (let first = 1; first <= 99; ++first) assert.match(cardFragment({ first, scores: [620] }), /[0-9A-Z]{7}$/);
});

test('a link that cannot be a card refused, with its reason', () => {
  const good = cardFragment({ first: 9, scores: [620, -100, 420] });
  const altered = (at) => good.slice(0, at) + (good[at] === 'A' ? 'B' : 'A') + good.slice(at + 1);
  const cutOrAltered = 'Lien coupé ou modifié en chemin : redemandez-le.';
  for (const [fragment, error] of [
    // Cut, altered, lower-cased, or sealed but with no board.
    ...[good.slice(0, -1), good.slice(0, -2), good.slice(0, 9), good.slice(0, 6) + good.slice(8), 'CARTE', ...[6, 8, 10, good.length - 1].map(altered),
      good.toLowerCase().replace('carte', 'CARTE'), cardFragment({ first: 3, scores: [] })].map((cut) => [cut, cutOrAltered]),
    [good.replace('CARTE1', 'CARTE2'), "Carte d'une autre version de QUIMBEL : mettez la page à jour des deux côtés."],
    [`CARTE${'0'.repeat(100_000)}`, 'Lien trop long pour une carte.'],
    ['ZZZ', "Ce lien n'est pas une carte."],
    [cardFragment({ first: 1, scores: scores(100) }), 'Donnes 1 à 100 : de 1 à 99 seulement.'],
    [cardFragment({ first: 0, scores: [620] }), 'Donnes 0 à 0 : de 1 à 99 seulement.'],
    [cardFragment({ first: 98, scores: [620, null, 0] }), 'Donnes 98 à 100 : de 1 à 99 seulement.'],
    [cardFragment({ first: 3, scores: [620, 630] }), 'Donne 4 : 630, qu\'aucune donne ne marque.'],
    [cardFragment({ first: 3, scores: [630] }), 'Donne 3 : 630, qu\'aucune donne ne marque.'],
  ]) assert.deepEqual(readCard(fragment, rules), { error }, fragment.slice(0, 40));
});

test('a 32-board card, at an address of 89 characters, is a QR code of version 10 at most', () => {
  const { size } = cardCode(`https://${'q'.repeat(60)}.example.org/quimbel/#${cardFragment({ first: 1, scores: Array(32).fill(-7600) })}`);
  assert.ok(size <= 57, `${size} modules`); // a code of version v is 17 + 4v modules wide
});

test('a card placed on the boards of its numbers as the other table\'s scores, a differing one left as it is', () => {
  const board = (id, number, own, other) => ({ id, number, own, other });
  const match = { boards: [board(1, 9, 620, null), board(2, 10, 420, -420), board(3, 12, -100, 620), board(4, 14, null, 50)],
    nextId: 5, received: { first: 9, scores: [] } };
  const outcome = placeCard(match, { first: 8, scores: [1430, -620, 50, 110, -100, null, 50, 0] });
  assert.deepEqual([match, outcome], [{ boards: [board(5, 8, null, 1430), board(1, 9, 620, -620), board(2, 10, 420, -420),
    board(6, 11, null, 110), board(3, 12, -100, 620), board(4, 14, null, 50), board(7, 15, null, 0)], nextId: 8, received: null },
  { placed: [8, 9, 11, 15], kept: [{ number: 10, here: -420, card: 50 }, { number: 12, here: 620, card: -100 }] }]);
  // Our own card: from our first board scored to our last, a board without our score, or missing, left empty.
  for (const [boards, card] of [[match.boards, { first: 9, scores: [620, 420, null, -100] }],
    [[board(1, 7, 50, null), board(2, 9, 620, 0)], { first: 7, scores: [50, null, 620] }], [[board(1, 3, null, 50)], null]]) {
    assert.deepEqual(ownCard({ boards }), card);
  }
  assert.deepEqual([spanned({ first: 9, scores: [1, 2] }), spanned({ first: 9, scores: [1] })], ['donnes 9 à 10', 'donne 9']);
});
