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
