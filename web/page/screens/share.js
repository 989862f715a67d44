// A screen's summary handed to the phone's share sheet where the browser
// offers one, else to the clipboard.

// 'shared', 'copied', 'cancelled' where the player cancelled the share sheet, or
// 'failed' where neither way is open.
export async function handOver(title, text) {
  if (navigator.share) {
    try {
      await navigator.share({ title, text });
      return 'shared';
    } catch (error) {
      if (error.name === 'AbortError') return 'cancelled';
    }
  }
  try {
    await navigator.clipboard.writeText(text);
    return 'copied';
  } catch {
    return 'failed';
  }
}
