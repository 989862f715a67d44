// The match summed up as a French score sheet writes it: its Victory Points,
// and the whole match as plain lines a captain reads in a message, saying
// which figure is which table's and whose the total is.

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
