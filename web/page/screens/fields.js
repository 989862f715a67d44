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

// A box that asks before erasing: `opener` opens it, `no` closes it, `yes`
// closes it and erases; one action a tap. Returns the box.
export function askBeforeErasing({ box, opener, no, yes, actOnce, erase }) {
  opener.addEventListener('click', actOnce(() => box.showModal()));
  no.addEventListener('click', actOnce(() => box.close()));
  yes.addEventListener('click', actOnce(() => {
    box.close();
    erase();
  }));
  return box;
}
