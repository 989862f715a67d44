// What the screens' fields and keys do alike.

export const $ = (id) => document.getElementById(id);

// A field's refusal said under it, where a screen reader hears it, or taken away.
export function setError(input, error = '') {
  $(`${input.id}Error`).textContent = error;
  if (error) input.setAttribute('aria-invalid', 'true');
  else input.removeAttribute('aria-invalid');
}

// Reporter's key, carrying the calculator's last answer when it is a score;
// `into`, the name of the field it fills, said to a screen reader.
export function showCarry(key, carried, into) {
  key.disabled = !/^-?\d+$/.test(carried);
  key.textContent = key.disabled ? 'Reporter le résultat' : `Reporter ${carried}`;
  key.ariaLabel = key.disabled || !into ? null : `Reporter ${carried} dans ${into}`;
}
