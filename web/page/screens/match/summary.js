// The match summed up as a French score sheet writes it: its Victory Points,
// and the whole match as plain lines a captain reads in a message, saying
// which figure is which table's and whose the total is, handed to
// the phone's share sheet where the browser offers one, else to the clipboard.

import { hundredths } from '../score_text.js';

// The team's VPs and then the opponents': "15,42 – 4,58 PV".
export const pointsText = (points) => `${hundredths(points)} – ${hundredths(2000 - points)} PV`;

// `boards`: each board's number, dealer, vulnerability, scores and IMPs, as
// shown: a score not yet known, and the IMPs, null while a board waits for it.
export function matchText({ boards, total, points, length }) {
  const lines = boards.map(({ number, dealer, vulnerable, own, other, imps }) =>
    `Donne ${number} (${dealer} · ${vulnerable}) : ${own ?? 'en attente'} / ${other ?? 'en attente'}${imps ? `, ${imps}` : ''}`);
  return ['Match par quatre', 'Marques de notre équipe : notre table / autre table', ...lines, `Total de notre équipe : ${total}`,
    ...(points === null ? [] : [`${pointsText(points)} sur ${length} donne${length > 1 ? 's' : ''}`])].join('\n');
}

// 'shared', 'copied', 'cancelled' where the player cancelled the share sheet, or
// 'failed' where neither way is open.
export async function handOver(text) {
  if (navigator.share) {
    try {
      await navigator.share({ title: 'Match par quatre', text });
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
