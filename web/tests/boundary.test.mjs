// The WebAssembly modules' boundary as built: each module imports and
// exports exactly what engine_interface.h declares, and engine.js offers it
// exactly the declared imports and reads every declared export and no other name.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { declaredBoundary } from '../build/boundary.mjs';
import { pairsLayout, startComparison, startEngine } from '../page/engine.js';

const sorted = (names) => [...names].sort();

// What engine.js offers a module and reads of it, as `start` starts it.
function seen(start) {
  const { Instance } = WebAssembly;
  const use = { offered: [], read: new Set() };
  WebAssembly.Instance = function (compiled, imports) {
    use.offered = Object.entries(imports).flatMap(([from, names]) => Object.keys(names).map((name) => `${from}.${name}`));
    const { exports } = new Instance(compiled, imports);
    return { exports: new Proxy(exports, { get: (target, name) => (use.read.add(name), target[name]) }) };
  };
  try {
    const wrapper = start();
    return { ...use, wrapper };
  } finally {
    WebAssembly.Instance = Instance;
  }
}

test('the built modules and engine.js keep to the boundary engine_interface.h declares', async () => {
  const declared = declaredBoundary(await readFile(new URL('../wasm/engine_interface.h', import.meta.url), 'utf8'));
  const built = join(process.env.QUIMBEL_SITE, '..');
  const wrappers = {};
  for (const [name, start] of [['engine', (code) => startEngine(code, new Proxy({}, { get: () => () => '' }))],
    ['comparison', startComparison]]) {
    const code = await readFile(join(built, `${name}.wasm`));
    const module = new WebAssembly.Module(code);
    const { imports, exports, toolchainImports, toolchainExports } = declared[name];
    assert.deepEqual(sorted(WebAssembly.Module.imports(module).map(({ module: from, name: called }) => `${from}.${called}`)),
      sorted([...imports, ...toolchainImports]), `${name}: the module's imports`);
    assert.deepEqual(sorted(WebAssembly.Module.exports(module).map(({ name: offered }) => offered)),
      sorted([...exports, ...toolchainExports]), `${name}: the module's exports`);
    const { offered, read, wrapper } = seen(() => start(code));
    assert.deepEqual(sorted(offered), sorted([...imports, ...toolchainImports]), `${name}: offered by engine.js`);
    assert.deepEqual(sorted(read), sorted([...exports, 'memory', '_initialize']), `${name}: read by engine.js`);
    wrappers[name] = wrapper;
  }
  const { engine, comparison } = wrappers;

  // The wrapper's own work: boards and scores laid out as the engine reads
  // them and figures as it writes them, an int's range, the cycle's indexes
  // (Nord 0, E-O 2), and lengths and counts the engine refuses.
  assert.deepEqual([comparison.totalImps([[620, -650], [-100, 200], [1430, -1460]]), comparison.totalImps([]),
    engine.isDealScore(620), engine.isDealScore(4294967916), engine.isDealScore('620'), comparison.dealt(9), comparison.dealt(16),
    comparison.victoryPoints(16, -100), comparison.victoryPoints(0, 5), comparison.pairs([100]), comparison.largestCount],
  [1, 0, true, false, false, [0, 2], [3, 2], 0, null, null, 99]);
  // 420 beats 100 and ties the other 420: 3 of the top of 4, 8 IMPs over
  // 100 and none over 420, 3 over the datum 310 (313.33); 100 loses 8 to
  // each, 5 to the datum. Ranked, the tied tables in their order.
  const figures = (table, score, rank, tied, matchpoints, ns, ew, crossImps, butlerImps) =>
    ({ table, score, rank, tied, matchpoints, percentNorthSouth: ns, percentEastWest: ew, crossImps, butlerImps });
  assert.deepEqual(comparison.pairs([420, 100, 420]), { datum: 310, top: 4, rows: [figures(0, 420, 1, true, 3, 7500, 2500, 400, 3),
    figures(2, 420, 1, true, 3, 7500, 2500, 400, 3), figures(1, 100, 3, false, 0, 0, 10000, -800, -5)] });
});

test('engine.js reads a pairs board in the order pairs.h declares its ints', async () => {
  const header = await readFile(new URL('../../match/pairs.h', import.meta.url), 'utf8');
  // Each struct's members in order, a struct member standing for its own.
  const members = (struct) => [...header.match(new RegExp(`struct ${struct} \\{([^]*?)\\n\\}`))[1]
    .matchAll(/^ {4}(\w+) (\w+)(?:\[\w+\])?;/gm)].flatMap(([, type, name]) =>
      (/^(int|bool)$/.test(type) ? [name] : members(type)));
  assert.deepEqual({ board: members('PairsBoard').slice(0, 3), table: members('RankedPairs') }, pairsLayout);
});
