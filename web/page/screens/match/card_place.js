// A teammate's card placed in the match as the other table's scores, each on
// the board of its number, as typed there: both tables score from the team's
// side. A board the card brings that the match lacks is added, waiting for our
// table; a board whose other-table score differs is left as it is and listed.

// `match`, changed in place; `card`, { first, scores }. What it did: the
// numbers placed, and each board kept, { number, here, card }.
export function placeCard(match, { first, scores }) {
  const placed = [];
  const kept = [];
  scores.forEach((score, i) => {
    const number = first + i;
    if (score === null) return;
    const board = match.boards.find((candidate) => candidate.number === number);
    if (board?.other === score) return;
    if (board && board.other !== null) {
      kept.push({ number, here: board.other, card: score });
      return;
    }
    if (board) board.other = score;
    else {
      const at = match.boards.findIndex((later) => later.number > number);
      match.boards.splice(at < 0 ? match.boards.length : at, 0, { id: match.nextId++, number, own: null, other: score });
    }
    placed.push(number);
  });
  match.received = null;
  return { placed, kept };
}

// The boards a card spans, as said: "donnes 9 à 16", "donne 9".
export const spanned = ({ first, scores }) => (scores.length > 1 ? `donnes ${first} à ${first + scores.length - 1}` : `donne ${first}`);

// Our table's card, from the first board it has scored to the last, or null before any.
export function ownCard({ boards }) {
  const played = boards.filter(({ own }) => own !== null).map(({ number }) => number);
  if (!played.length) return null;
  const first = Math.min(...played);
  const scores = Array.from({ length: Math.max(...played) - first + 1 }, (_, i) =>
    boards.find(({ number }) => number === first + i)?.own ?? null);
  return { first, scores };
}
