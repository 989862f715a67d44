// Only an int crosses into a module: a text, or a number past 32 bits, is no score.
export const isInt = (n) => (n | 0) === n;
