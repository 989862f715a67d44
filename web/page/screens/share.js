// A text or a link handed to the phone's share sheet where the browser offers
// one, else to the clipboard.

// `shared`: a title, and a text or a link. 'shared', 'copied', 'cancelled'
// where the player cancelled the share sheet, or 'failed' where neither way is open.
export async function handOver(shared) {
  if (navigator.share) {
    try {
      await navigator.share(shared);
      return 'shared';
    } catch (error) {
      if (error.name === 'AbortError') return 'cancelled';
    }
  }
  try {
    await navigator.clipboard.writeText(shared.url ?? shared.text);
    return 'copied';
  } catch {
    return 'failed';
  }
}

// A read-only box, hidden until a text must be copied from it by hand.
export const copyBox = (id, label) => `<textarea id="${id}" readonly hidden aria-label="${label}" rows="4"></textarea>`;

// `shared` handed over, what became of it said in `note` as `said` words it
// ('copied', 'failed'); where neither way is open, its text shown in `box`,
// selected, to be copied by hand.
export async function shareOrShow(shared, { note, box, said }) {
  const outcome = await handOver(shared);
  if (said[outcome]) note.textContent = said[outcome];
  box.hidden = outcome !== 'failed';
  box.value = shared.text;
  if (!box.hidden) box.select();
}
