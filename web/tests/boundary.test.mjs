// The WebAssembly module's boundary as built: the module imports and exports
// exactly what engine_interface.h declares, and engine.js offers it exactly
// the declared imports and reads every declared export and no other name.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { declaredBoundary } from '../boundary.mjs';
import { startEngine } from '../engine.js';

const sorted = (names) => [...names].sort();

test('the built module and engine.js keep to the boundary engine_interface.h declares', async () => {
  const declared = declaredBoundary(await readFile(new URL('../engine_interface.h', import.meta.url), 'utf8'));
  const code = await readFile(join(process.env.QUIMBEL_SITE, '..', 'engine.wasm'));
  const module = new WebAssembly.Module(code);
  assert.deepEqual(sorted(WebAssembly.Module.imports(module).map(({ module: from, name }) => `${from}.${name}`)),
    sorted([...declared.pageImports, ...declared.toolchainImports]), 'the module\'s imports');
  assert.deepEqual(sorted(WebAssembly.Module.exports(module).map(({ name }) => name)),
    sorted([...declared.engineExports, ...declared.toolchainExports]), 'the module\'s exports');

  // What engine.js offers the module and reads of it, as it starts the engine.
  const { Instance } = WebAssembly;
  let offered;
  const read = new Set();
  WebAssembly.Instance = function (compiled, imports) {
    offered = Object.entries(imports).flatMap(([from, names]) => Object.keys(names).map((name) => `${from}.${name}`));
    const { exports } = new Instance(compiled, imports);
    return { exports: new Proxy(exports, { get: (target, name) => (read.add(name), target[name]) }) };
  };
  const quiet = new Proxy({}, { get: () => () => '' });
  let engine;
  try {
    engine = startEngine(code, quiet);
  } finally {
    WebAssembly.Instance = Instance;
  }
  assert.deepEqual(sorted(offered), sorted([...declared.pageImports, ...declared.toolchainImports]), 'offered by engine.js');
  assert.deepEqual(sorted(read), sorted([...declared.engineExports, 'memory', '_initialize']), 'read by engine.js');

  // The wrapper's own work: boards laid out as the engine reads them, an
  // int's range, and the cycle's indexes (Nord 0, E-O 2).
  assert.deepEqual([engine.totalImps([[620, -650], [-100, 200], [1430, -1460]]), engine.totalImps([]),
    engine.isDealScore(620), engine.isDealScore(4294967916), engine.isDealScore('620'), engine.dealt(9), engine.dealt(16)],
  [1, 0, true, false, false, [0, 2], [3, 2]]);
});
