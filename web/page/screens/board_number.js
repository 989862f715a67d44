// A board's number as the screens take it: from 1 to the comparison
// module's largest count, and the dealer and the vulnerability it gives, by
// the names the screens show.

// Whether a number is a board's, or a count of boards or tables, up to `largest`.
export const countsUpTo = (largest) => (n) => Number.isInteger(n) && n >= 1 && n <= largest;

// The engine's indexes, in its order.
const dealers = ['Nord', 'Est', 'Sud', 'Ouest'];
const vulnerabilities = ['Personne', 'N-S', 'E-O', 'Tous'];

// `dealt` is the engine's: a board's number to [dealer, vulnerability].
export function dealtNames(dealt, board) {
  const [dealer, vulnerability] = dealt(board);
  return [dealers[dealer], vulnerabilities[vulnerability]];
}
