// The comparison module, which does the screens' arithmetic, behind its
// side of the boundary that engine_interface.h declares. The navigator
// starts it with the first screen opened, and this wrapper comes with the
// screens' library, so the calculator's first visit carries neither.
import { isInt } from '../ints.js';

// A board of a pairs event as pairs.h lays it out in the module's memory,
// all ints: the board's own, then each ranked table's, the tie in its int's
// low byte.
export const pairsLayout = { board: ['top', 'datum', 'count'],
  table: ['table', 'score', 'rank', 'tied', 'matchpoints', 'percentNorthSouth', 'percentEastWest', 'crossImps', 'butlerImps'] };

// A pairs session as session.h lays it out: its own ints, then each row's,
// the bools in their int's low byte.
export const sessionLayout = { session: ['top', 'refused', 'board', 'result', 'count'],
  row: ['direction', 'pair', 'place', 'tied', 'played', 'total', 'percent'] };

export function startComparison(code) {
  const { memory, _initialize, largestCount, ints, boardImps, totalImps, dealer, vulnerability, victoryPoints, pairs, session } =
    new WebAssembly.Instance(new WebAssembly.Module(code), {}).exports;
  _initialize();
  // `values` where the module reads a call's input.
  function written(values) {
    const room = ints(values.length);
    if (!room) throw new RangeError(`no room for ${values.length} ints`);
    new Int32Array(memory.buffer, room, values.length).set(values);
    return room;
  }
  // The ints at `pointer`, by the names of `fields`.
  const read = (pointer, fields) => {
    const values = new Int32Array(memory.buffer, pointer, fields.length);
    return Object.fromEntries(fields.map((field, i) => [field, values[i]]));
  };
  // `count` records of `fields` after the `before` ints at `pointer`.
  const records = (pointer, before, count, fields) => Array.from({ length: count }, (_, i) =>
    read(pointer + 4 * (before.length + i * fields.length), fields));
  return {
    largestCount: largestCount(),
    // Scores stored as the screens checked them: ints.
    boardImps,
    // The IMPs of boards given as [own, other] pairs.
    totalImps: (list) => totalImps(written(list.flat()), list.length),
    // A board's dealer and vulnerability, as the indexes engine_interface.h gives.
    dealt: (board) => [dealer(board), vulnerability(board)],
    // The team's VPs in hundredths, or null for a length of no match.
    victoryPoints(length, margin) {
      const points = victoryPoints(length, margin);
      return points < 0 ? null : points;
    },
    // One board of a pairs event from its tables' N-S scores: its top, its
    // datum and each table's figures, ranked; null for a count of no such board.
    pairs(scores) {
      const board = pairs(written(scores), scores.length);
      const { top, datum, count } = read(board, pairsLayout.board);
      const rows = records(board, pairsLayout.board, count, pairsLayout.table)
        .map((row) => ({ ...row, tied: (row.tied & 0xff) !== 0 }));
      return count ? { top, datum, rows } : null;
    },
    // A pairs session from each board's results, each its pairs' numbers
    // (0 for none) and N-S's score or an adjusted score (1 to 5: 60/40,
    // 50/50, 40/60, 60/60, 40/40): its top and its ranking, in order of
    // place, totals in tenths and percentages in hundredths; or, where a
    // result cannot be scored, `refused`: the board and the result at fault,
    // each counted from 0 (-1 where it is none of them). Null for a number
    // that is no int.
    session({ mitchell, boards }) {
      // Each result as session.h's SessionResult.
      const results = boards.flat().flatMap(({ ns, ew, adjusted = 0, score = 0 }) => [ns, ew, adjusted, score]);
      if (!results.every(isInt)) return null;
      const room = written([...boards.map((board) => board.length), ...results]);
      const answer = session(mitchell ? 1 : 0, room, boards.length, room + 4 * boards.length, results.length / 4);
      const { top, refused, board, result, count } = read(answer, sessionLayout.session);
      if (refused & 0xff) return { refused: { board, result } };
      const rows = records(answer, sessionLayout.session, count, sessionLayout.row)
        .map((row) => ({ ...row, direction: ['howell', 'ns', 'ew'][row.direction], tied: (row.tied & 0xff) !== 0 }));
      return { top, rows };
    },
  };
}
