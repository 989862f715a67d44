// The WebAssembly modules as built import and export exactly what engine_interface.h declares; their wrappers offer each
// exactly the declared imports and reads every declared export and no other name.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { declaredBoundary } from '../build/boundary.mjs';
import { startEngine } from '../page/engine.js';
import { pairsLayout, sessionLayout, startComparison } from '../page/screens/comparison.js';

const sorted = (names) => [...names].sort();

// What a wrapper offers its module and reads of it, as `start` starts it.
function seen(start) {
  const { Instance } = WebAssembly;
  const use = { offered: [], read: new Set() };
  WebAssembly.Instance = function (compiled, imports) {
    use.offered = Object.entries(imports).flatMap(([from, names]) => Object.keys(names).map((name) => `${from}.${name}`));
    const { exports } = new Instance(compiled, imports);
    return { exports: new Proxy(exports, { get: (target, name) => (use.read.add(name), target[name]) }) };
  };
  try {
    return { wrapper: start(), ...use };
  } finally {
    WebAssembly.Instance = Instance;
  }
}

test('the built modules and their wrappers keep to the boundary engine_interface.h declares', async () => {
  const declared = declaredBoundary(await readFile(new URL('../wasm/engine_interface.h', import.meta.url), 'utf8'));
  const wrappers = {};
  for (const [name, start] of [['engine', (code) => startEngine(code, new Proxy({}, { get: () => () => '' }))],
    ['comparison', startComparison]]) {
    const code = await readFile(join(process.env.QUIMBEL_SITE, '..', `${name}.wasm`));
    const module = new WebAssembly.Module(code);
    const { imports, exports, toolchainImports, toolchainExports } = declared[name];
    const { offered, read, wrapper } = seen(() => start(code));
    const imported = sorted([...imports, ...toolchainImports]);
    assert.deepEqual([sorted(WebAssembly.Module.imports(module).map(({ module: from, name: called }) => `${from}.${called}`)),
      sorted(WebAssembly.Module.exports(module).map(({ name: offered }) => offered)), sorted(offered), sorted(read)],
    [imported, sorted([...exports, ...toolchainExports]), imported, sorted([...exports, 'memory', '_initialize'])], name);
    wrappers[name] = wrapper;
  }
  const { engine, comparison } = wrappers;
  // The wrapper's own work: boards and scores laid out as the engine reads them and figures as it writes them, an int's
  // range, the cycle's indexes (Nord 0, E-O 2), and lengths and counts the engine refuses.
  assert.deepEqual([comparison.totalImps([[620, -650], [-100, 200], [1430, -1460]]), comparison.totalImps([]),
    engine.isDealScore(620), engine.isDealScore(4294967916), engine.isDealScore('620'), comparison.dealt(9), comparison.dealt(16),
    comparison.victoryPoints(16, -100), comparison.victoryPoints(0, 5), comparison.pairs([100]), comparison.largestCount],
  [1, 0, true, false, false, [0, 2], [3, 2], 0, null, null, 99]);
  // 420 beats 100 and ties the other 420: 3 of the top of 4, 8 IMPs over 100 and none over 420, 3 over the datum 310
  // (313.33); 100 loses 8 to each, 5 to the datum. Ranked, the tied tables in their order.
  const figures = (table, score, rank, tied, matchpoints, ns, ew, crossImps, butlerImps) =>
    ({ table, score, rank, tied, matchpoints, percentNorthSouth: ns, percentEastWest: ew, crossImps, butlerImps });
  assert.deepEqual(comparison.pairs([420, 100, 420]), { datum: 310, top: 4, rows: [figures(0, 420, 1, true, 3, 7500, 2500, 400, 3),
    figures(2, 420, 1, true, 3, 7500, 2500, 400, 3), figures(1, 100, 3, false, 0, 0, 10000, -800, -5)] });

  // A Mitchell of two tables, top 2: N-S 1 and E-W 2 win board 1 and share the 50/50 of board 2, 3 of 4; a Howell where
  // all tie; a pair facing itself on the second board, refused at its second result; a number that is no int, refused.
  const row = (direction, pair, place, tied, played, total, percent) => ({ direction, pair, place, tied, played, total, percent });
  assert.deepEqual([comparison.session({ mitchell: true, boards: [[{ ns: 1, ew: 1, score: 420 }, { ns: 2, ew: 2, score: 100 }],
    [{ ns: 1, ew: 2, adjusted: 2 }]] }),
  comparison.session({ mitchell: false, boards: [[{ ns: 1, ew: 2, score: -50 }, { ns: 3, ew: 4, score: -50 }]] }),
  comparison.session({ mitchell: false, boards: [[{ ns: 1, ew: 2, score: 0 }], [{ ns: 1, ew: 2, score: 0 }, { ns: 3, ew: 3, score: 0 }]] }),
  comparison.session({ mitchell: true, boards: [[{ ns: '1', ew: 2, score: 0 }]] })],
  [{ top: 2, rows: [row('ns', 1, 1, false, 2, 30, 7500), row('ns', 2, 2, false, 1, 0, 0),
    row('ew', 2, 1, false, 2, 30, 7500), row('ew', 1, 2, false, 1, 0, 0)] },
  { top: 2, rows: [1, 2, 3, 4].map((pair) => row('howell', pair, 1, true, 1, 10, 5000)) }, { refused: { board: 1, result: 1 } }, null]);
});

test('the comparison wrapper reads a pairs board and a session in the order pairs.h and session.h declare their ints', async () => {
  const header = (await Promise.all(['pairs.h', 'session.h'].map((name) =>
    readFile(new URL(`../../match/${name}`, import.meta.url), 'utf8')))).join('\n');
  // Each struct's members in order, a struct member standing for its own.
  const members = (struct) => [...header.match(new RegExp(`struct ${struct} \\{([^]*?)\\n\\}`))[1]
    .matchAll(/^ {4}(\w+) (\w+)(?:\[[^\]]+\])?;/gm)].flatMap(([, type, name]) =>
      (header.includes(`struct ${type} {`) ? members(type) : [name]));
  assert.deepEqual({ board: members('PairsBoard').slice(0, 3), table: members('RankedPairs') }, pairsLayout);
  assert.deepEqual({ session: members('PairsSession').slice(0, 5), row: members('SessionRow') }, sessionLayout);
});
