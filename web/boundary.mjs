// The WebAssembly module's boundary as engine_interface.h declares it: the
// page's imports, the engine's exports and the toolchain's own, each as
// "module.name" or "name". The build links the page's imports from it, so
// that no other undefined name links, and a test checks the built module and
// engine.js against it.
//   node boundary.mjs HEADER LIBRARY    writes the imports as an emscripten library
import { readFile, writeFile } from 'node:fs/promises';
import { pathToFileURL } from 'node:url';

export function declaredBoundary(header) {
  const uses = (macro) => [...header.matchAll(new RegExp(`^${macro}\\((\\w+)\\)`, 'gm'))].map((match) => match[1]);
  const toolchain = (macro) => header.match(new RegExp(`^#define ${macro}\\s((?:\\\\\\n|.)*)`, 'm'))[1]
    .replaceAll('\\\n', ' ').trim().split(/\s+/);
  return {
    pageImports: uses('PAGE_IMPORT').map((name) => `page.${name}`), toolchainImports: toolchain('TOOLCHAIN_IMPORTS'),
    engineExports: uses('ENGINE_EXPORT'), toolchainExports: toolchain('TOOLCHAIN_EXPORTS'),
  };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [header, library] = process.argv.slice(2);
  const { pageImports } = declaredBoundary(await readFile(header, 'utf8'));
  const page = pageImports.map((name) => `  ${name.slice('page.'.length)}: function() {},\n`);
  await writeFile(library, `mergeInto(LibraryManager.library, {\n${page.join('')}});\n`);
}
