// Writes the site's page and the files its screens load later. Each screen
// the screens' table lists has its opener written into the page. The page's
// script (the entry with the modules it imports) and the engine, in
// hexadecimal, go into the page, so that the calculator starts from this one
// file; its script and style go in compacted. Each screen's module comes
// with the modules it imports as one file, and with the style sheets it
// names; each file is named by its digest, and each name written into the
// file that loads it, so that a page only ever loads files of its own
// version, with or without the service worker.
// The comparison module, which the screens load, is sealed by its digest too;
// its wrapper, in the screens' library, is loaded by the page's navigator.
// A module may import a package from node_modules by its name: the package's
// own module, which ends with one list of its exports, is bundled in the same way.
//   node inline_page.mjs PAGE ENTRY ENGINE COMPARISON SITE SCREENS
import { createHash } from 'node:crypto';
import { mkdir, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { basename, dirname, extname, join, relative, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { compactScript, compactStyle } from './compact.mjs';
import { leavingWord } from './worker_names.mjs';

// The relative addresses a module names besides its imports: "./match.css".
const address = /(?<=['"])\.{1,2}\/[\w./-]+\.(?:js|css)(?=['"])/g;
const staticImport = /^import \{([^}]*)\} from '(\.{1,2}\/[\w./-]+|[\w@][\w./-]*)';\n/gm;
const exportList = /\bexport\s*\{([^}]*)\};?\s*$/;
const exported = /^export (?:async )?(?:const|let|function|class) ([\w$]+)/gm;

// The modules every screen may share, directly under screens/, sealed once
// as one library that each screen imports rather than carrying its own copy;
// the library's text is made from theirs, under this name.
const librarySources = (root) => join(root, 'screens');
const libraryFile = (root) => join(librarySources(root), 'library.js');
const sources = new Map();
const source = async (file) => sources.get(file) ?? readFile(file, 'utf8');

// The library: each shared module's exports, imported and handed on.
async function library(root) {
  const folder = librarySources(root);
  const modules = (await readdir(folder)).filter((name) => name.endsWith('.js')).sort();
  const names = [];
  const imports = await Promise.all(modules.map(async (name) => {
    const exports = [...(await readFile(join(folder, name), 'utf8')).matchAll(exported)].map((match) => match[1]);
    names.push(...exports);
    return `import { ${exports.join(', ')} } from './${name}';\n`;
  }));
  return `${imports.join('')}export { ${names.join(', ')} };\n`;
}

// The entry and the modules it imports, as one script: each imported module
// in a scope of its own that hands on only its exports, before the modules
// that import it. Only the entry keeps its exports, and names other files.
// Outside the library, what a module imports of the library stays an import
// of it, made once for the whole script.
async function bundle(entry, root) {
  const done = new Set();
  const parts = [];
  const shared = new Set();
  const inLibrary = (file) => dirname(file) === librarySources(root);
  async function add(file) {
    if (done.has(file)) return;
    done.add(file);
    const text = await source(file);
    for (const [, names, path] of text.matchAll(staticImport)) {
      const imported = path.startsWith('.') ? resolve(dirname(file), path) : fileURLToPath(import.meta.resolve(path));
      if (inLibrary(imported) && entry !== libraryFile(root)) names.split(',').forEach((name) => shared.add(name.trim()));
      else await add(imported);
    }
    const body = text.replace(staticImport, '');
    if (file === entry) return parts.push(body);
    if (body.match(address)) throw new Error(`${file}: only a screen's own module may name a file`);
    // Each export as [its name, the name inside the module].
    const listed = exportList.exec(body)?.[1].split(',').map((item) => item.trim().split(/\s+as\s+/).reverse());
    const names = listed ?? [...text.matchAll(exported)].map((match) => [match[1], match[1]]);
    parts.push(`const { ${names.map(([name]) => name).join(', ')} } = (() => {\n${body.replace(exportList, '').replace(/^export /gm, '')}
return { ${names.map(([name, inside]) => `${name}: ${inside}`).join(', ')} };\n})();`);
  }
  await add(entry);
  const libraryImport = shared.size ? `import { ${[...shared].join(', ')} } from './${relative(dirname(entry), libraryFile(root))}';\n` : '';
  return libraryImport.replace("'./../", "'../") + parts.join('\n');
}

// Writes `file` (a module with the modules it imports, or a style sheet),
// and first every file it names, to the site under its digest
// ("screens/match/match.js" as "screens/match/match.1f2e3d4c5b.js").
// Returns its name in the site.
async function seal(file, root, site, sealed) {
  if (sealed.has(file)) return sealed.get(file);
  let text = file.endsWith('.css') ? compactStyle(await readFile(file, 'utf8')) : await bundle(file, root);
  const names = new Map();
  for (const [path] of text.matchAll(address)) names.set(path, await seal(resolve(dirname(file), path), root, site, sealed));
  const place = relative(root, file);
  text = text.replace(address, (path) => `./${relative(dirname(place), names.get(path))}`.replace(/^\.\/\.\./, '..'));
  if (file.endsWith('.js')) text = await compactScript(text);
  const [stem, type] = [basename(file, extname(file)), extname(file)];
  const name = join(dirname(place), `${stem}.${createHash('sha256').update(text).digest('hex').slice(0, 10)}${type}`);
  await mkdir(join(site, dirname(place)), { recursive: true });
  await writeFile(join(site, name), text);
  sealed.set(file, name);
  return name;
}

// A text of the screens' table as the page's HTML.
const escaped = (text) => text.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

// Writes `bytes` to the site as NAME.DIGEST.TYPE; returns that name.
async function writeSealed(site, name, bytes) {
  const type = extname(name);
  const sealedName = `${basename(name, type)}.${createHash('sha256').update(bytes).digest('hex').slice(0, 10)}${type}`;
  await writeFile(join(site, sealedName), bytes);
  return sealedName;
}

export async function writePage({ page, entry, engine, comparison, site, screens }) {
  const root = dirname(resolve(entry));
  sources.set(libraryFile(root), await library(root));
  const sealed = new Map();
  sealed.set(comparison, await writeSealed(site, 'comparison.wasm', await readFile(comparison)));
  const listed = JSON.parse(await readFile(screens, 'utf8'));
  // The navigator's table; the labels are written into the page, as its openers.
  const table = [];
  for (const { label, ...screen } of listed) {
    table.push({ ...screen, module: await seal(resolve(root, screen.module), root, site, sealed) });
  }
  const openers = listed.map(({ opener, label }) => `<button id="${escaped(opener)}" type="button">${escaped(label)}</button>\n`);
  // An earlier build's sealed files go.
  const written = new Set(sealed.values());
  const stale = (await readdir(site, { recursive: true })).filter((name) => /\.[0-9a-f]{10}\.(js|css|wasm)$/.test(name) && !written.has(name));
  await Promise.all(stale.map((name) => rm(join(site, name))));
  const code = await compactScript((await bundle(resolve(entry), root)).replace("'@SCREENS@'", () => JSON.stringify(table))
    .replace('@COMPARISON@', sealed.get(comparison)).replace('@LIBRARY@', `./${sealed.get(libraryFile(root))}`)
    .replace('@LEAVING@', leavingWord));
  // Hexadecimal keeps the engine's bytes whole, which gzip packs a seventh
  // tighter than base64.
  const hex = (await readFile(engine)).toString('hex');
  // Functions as replacements, so that no "$" in the script is read as a pattern.
  const html = (await readFile(page, 'utf8')).replace(/(?<=<style>)[^]*?(?=<\/style>)/, compactStyle)
    .replace('@OPENERS@', () => openers.join('')).replace('@SCRIPT@', () => `\n${code}`).replace('@ENGINE@', () => hex);
  await writeFile(join(site, 'index.html'), html);
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [page, entry, engine, comparison, site, screens] = process.argv.slice(2);
  await writePage({ page, entry, engine, comparison, site, screens });
}
