// The WebAssembly modules' boundary as engine_interface.h declares it: for
// the engine and for the comparison module, their imports and exports and
// the toolchain's own, each as "module.name" or "name". The build links the
// engine's imports from it, so that no other undefined name links, and a
// test checks the built modules and their wrappers against it.
//   node boundary.mjs HEADER LIBRARY    writes the imports as an emscripten library
import { readFile, writeFile } from 'node:fs/promises';
import { pathToFileURL } from 'node:url';

export function declaredBoundary(header) {
  const uses = (macro) => [...header.matchAll(new RegExp(`^${macro}\\((\\w+)\\)`, 'gm'))].map((match) => match[1]);
  const toolchain = (macro) => header.match(new RegExp(`^#define ${macro}\\b[ \\t]*((?:\\\\\\n|.)*)`, 'm'))[1]
    .replaceAll('\\\n', ' ').trim().split(/\s+/).filter(Boolean);
  return {
    engine: { imports: uses('PAGE_IMPORT').map((name) => `page.${name}`), exports: uses('ENGINE_EXPORT'),
      toolchainImports: toolchain('TOOLCHAIN_IMPORTS'), toolchainExports: toolchain('TOOLCHAIN_EXPORTS') },
    comparison: { imports: [], exports: uses('COMPARISON_EXPORT'),
      toolchainImports: toolchain('COMPARISON_TOOLCHAIN_IMPORTS'), toolchainExports: toolchain('COMPARISON_TOOLCHAIN_EXPORTS') },
  };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [header, library] = process.argv.slice(2);
  const page = declaredBoundary(await readFile(header, 'utf8')).engine.imports.map((name) => `  ${name.slice('page.'.length)}: function() {},\n`);
  await writeFile(library, `mergeInto(LibraryManager.library, {\n${page.join('')}});\n`);
}
