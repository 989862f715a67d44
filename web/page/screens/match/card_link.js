// A card, our table's scores board by board, written into a link's fragment
// for a teammate's phone, and read back from one. The fragment keeps to the
// characters a QR code packs tightest (digits, capitals and $*+-./:), none of
// which an address escapes: "CARTE", the version, the first board's number,
// two characters a board (its score in tens, or none), and a CRC-32 of all
// that, which catches any character changed or lost on the way, in digits and
// capitals alone: a chat app's linkifier leaves a last "." or ":" out of the
// link, and markdown takes a "*" for its own.

const alphabet = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ$*+-./:';
const base = alphabet.length;
export const cardMark = 'CARTE';
const version = '1';
// Seven digits of base 36 hold any CRC-32.
const checkBase = 36;
const checkLength = 7;
// Two characters a board: 0 for none, else the score in tens moved above 0.
const middle = (base * base - 1) / 2;
// Far past the longest card, and read no further.
const longest = 1024;

const digits = (n, width, radix = base) => Array.from({ length: width }, (_, i) => alphabet[Math.floor(n / radix ** (width - 1 - i)) % radix])
  .join('');
const valueOf = (text) => [...text].reduce((n, c) => n * base + alphabet.indexOf(c), 0);

const table = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
const crc32 = (text) => [...text].reduce((c, ch) => table[(c ^ ch.charCodeAt(0)) & 0xff] ^ (c >>> 8), 0xffffffff) ^ 0xffffffff;
const sealed = (text) => text + digits(crc32(text) >>> 0, checkLength, checkBase);

// The fragment of the card from board `first` on; a null score, a board our table has not played.
export function cardFragment({ first, scores }) {
  const board = (score) => digits(score === null ? 0 : score / 10 + middle, 2);
  return sealed(`${cardMark}${version}${digits(first, 2)}${scores.map(board).join('')}`);
}

// The card a fragment holds, { first, scores }, or { error } saying in French why it cannot be read.
export function readCard(fragment, { isDealScore, largestCount }) {
  const refused = (error) => ({ error });
  if (fragment.length > longest) return refused('Lien trop long pour une carte.');
  if (!fragment.startsWith(cardMark)) return refused("Ce lien n'est pas une carte.");
  const body = fragment.slice(cardMark.length, -checkLength);
  const fixed = cardMark.length + 3 + checkLength;
  // Shorter than any card, or with a character none holds, it was cut or changed, whatever version it seems to say.
  const shaped = fragment.length >= fixed + 2 && [...fragment].every((c) => alphabet.includes(c));
  if (shaped && fragment[cardMark.length] !== version) {
    return refused("Carte d'une autre version de QUIMBEL : mettez la page à jour des deux côtés.");
  }
  if (!shaped || (fragment.length - fixed) % 2 || sealed(cardMark + body) !== fragment) {
    return refused('Lien coupé ou modifié en chemin : redemandez-le.');
  }
  const first = valueOf(body.slice(1, 3));
  const scores = body.slice(3).match(/../g).map((pair) => (valueOf(pair) ? (valueOf(pair) - middle) * 10 : null));
  const last = first + scores.length - 1;
  if (first < 1 || last > largestCount) return refused(`Donnes ${first} à ${last} : de 1 à ${largestCount} seulement.`);
  const wrong = scores.findIndex((score) => score !== null && !isDealScore(score));
  if (wrong >= 0) return refused(`Donne ${first + wrong} : ${scores[wrong]}, qu'aucune donne ne marque.`);
  return { first, scores };
}
