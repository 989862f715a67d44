// What the site serves of its scripts and style sheets: scripts minified by
// Debian's terser (package node-terser), each as the module it is; style
// sheets without their comments and the blanks around their punctuation.
import { createRequire } from 'node:module';

// Debian keeps its Node.js modules outside any node_modules folder.
const { minify } = createRequire(import.meta.url)('/usr/share/nodejs/terser');

export const compactScript = async (text, { module = true } = {}) =>
  (await minify(text, { module, format: { comments: false } })).code;

// No punctuation of theirs stands in a string.
export const compactStyle = (text) => text.replace(/\/\*[^]*?\*\//g, '').split('\n').map((line) => line.trim()).filter(Boolean)
  .join('\n').replace(/\s*([{};,>])\s*/g, '$1').replace(/:\s+/g, ':');
