// A deal's score as a player types it in a field: read with every dash a
// phone or a paste gives as a minus, signed in one tap, or refused with the
// reason, in French.

// A field's text with every dash read as "-", and no space between its sign
// and its digits ("- 140") nor between its digits ("1 430").
const plain = (text) => text.trim().replace(/^[\u2010-\u2015\u2212\uFE58\uFE63\uFF0D]/, '-').replace(/(?<=^[+-]|\d)\s+(?=\d)/g, '');

// A pasted text as a score reads: its dashes, grouping spaces, plus sign
// and leading zeros settled ("00000000620" is "620", "–1 430" is "-1430").
export const settled = (text) => plain(text).replace(/^\+/, '').replace(/^(-?)0+(?=\d)/, '$1');

// The other sign: "-620" for "620" or "00620", "620" for "-620".
export function signChanged(text) {
  const typed = settled(text);
  return typed.startsWith('-') ? typed.slice(1) : `-${typed}`;
}

// The score typed, or why it is refused.
export function parseScore(text, isDealScore) {
  const typed = plain(text);
  if (!typed) return { error: 'Saisissez la marque de cette table.' };
  const digits = /^([+-]?)0*(\d+)$/.exec(typed);
  if (!digits) return { error: 'Tapez la marque en chiffres, par exemple 620 ou -650.' };
  const score = Number(digits[1] + digits[2]);
  if (score % 10) return { error: 'Une marque de donne se termine toujours par 0.' };
  // A number too long to be read exactly is never shown as "Infinity" or "7.8e+299".
  if (!isDealScore(score)) return { error: `Aucune donne ne marque ${Number.isSafeInteger(score) ? score : 'autant'}.` };
  return { score };
}

// IMPs, and totals, with their sign: "+5", "-3", "0".
export const signed = (n) => (n > 0 ? `+${n}` : `${n}`);

// A number of hundredths as the screens write it, the comma put among its
// digits, whatever sign it carries: 6250 as "62,50", "-25" as "-0,25".
const withDecimals = (places) => (n) => String(n).replace(/\d+/, (digits) =>
  digits.padStart(places + 1, '0').replace(new RegExp(`(?=\\d{${places}}$)`), ','));
export const hundredths = withDecimals(2);
// Tenths alike: 375 as "37,5", 120 as "12,0".
export const tenths = withDecimals(1);

// A tap on a score field leaves the caret after the digits, where the next
// one goes: the digits stand to the right, and a tap on the field's empty
// left would put it before them ("50", a tap, "0" read "050").
export function caretAfterDigits(input) {
  input.addEventListener('click', () => {
    if (input.selectionStart === input.selectionEnd) input.setSelectionRange(input.value.length, input.value.length);
  });
}
