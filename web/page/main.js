// The page's entry, written into the page by the build with the modules it
// imports and the engine (the data block #Engine, in hexadecimal), so that a
// start needs no other file. Form1 is drawn first; the engine is compiled
// once it has been drawn, or at the first tap if that comes sooner, so no
// tap is ever lost and none waits for a compilation the picture did not need.
import { $, view, wireCalculator } from './calculator.js';
import { engineCode, startEngine } from './engine.js';
import { startNavigator } from './navigator.js';

let engine;
const started = () => (engine ??= startEngine(engineCode($('Engine').text), view));
wireCalculator(started);
startNavigator(started);
// Past the first picture: a new frame's task comes once it has been painted.
requestAnimationFrame(() => setTimeout(started));

// Once the page has settled, it links its manifest and registers its worker:
// the browser fetches the manifest as soon as it is linked, to offer to
// install the page, and a new worker installs by fetching the whole site,
// work that would otherwise compete with the first tap.
// A reload is told apart from a page being opened beside this one by this
// page's word that it is leaving: only then may a waiting version take over.
addEventListener('beforeunload', () => navigator.serviceWorker?.controller?.postMessage('@LEAVING@'));
setTimeout(() => {
  document.head.append(Object.assign(document.createElement('link'), { rel: 'manifest', href: 'manifest.webmanifest' }));
  navigator.serviceWorker?.register('sw.js');
}, 1000);
