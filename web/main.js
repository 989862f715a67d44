// The page's one script, written into the page by the build together with
// the engine (the data block #Engine, in hexadecimal), so that a start needs no
// other file. Form1 stays hidden until the engine can answer its keys: no
// tap is ever taken that would be lost.
const $ = (id) => document.getElementById(id);
const form = $('Form1');
const text1 = $('Text1');
const text2 = $('Text2');
const msgBox = $('MsgBox');
const about = $('About');
const off = $('Off');

// The engine in WebAssembly behind a thin wrapper of the boundary that
// engine_interface.h declares: `view` answers the engine's calls, with texts
// as strings, and the engine takes the keys, typed changes and label clicks,
// and does the match's arithmetic, by the names it returns. It is compiled
// here and now: its 16 KB take a few milliseconds, where a compilation handed
// to another thread comes back tens of milliseconds later in a new tab.
function startEngine(view) {
  const hex = $('Engine').text;
  const code = Uint8Array.fromHex?.(hex) ?? Uint8Array.from(hex.match(/../g), (byte) => parseInt(byte, 16));
  const utf8 = new TextDecoder();
  const utf16 = new TextDecoder('utf-16le');
  let memory;
  const text = (pointer, length) => utf8.decode(new Uint8Array(memory.buffer, pointer, length));
  const page = {
    readInput(pointer, capacity) {
      const value = view.readInput();
      const units = new Uint16Array(memory.buffer, pointer, capacity);
      for (let i = 0; i < Math.min(capacity, value.length); ++i) units[i] = value.charCodeAt(i);
      return value.length;
    },
    showInput: (pointer, length) => view.showInput(utf16.decode(new Uint16Array(memory.buffer, pointer, length))),
    setResult: (pointer, length) => view.setResult(text(pointer, length)),
    setResultBackground: (pointer, length) => view.setResultBackground(text(pointer, length)),
    showMessage: (title, titleLength, pointer, length) =>
      view.showMessage(text(title, titleLength), text(pointer, length)),
    setAboutText: (id, idLength, pointer, length) => view.setAboutText(text(id, idLength), text(pointer, length)),
    displayAbout: () => view.displayAbout(),
    close: () => view.close(),
  };
  const wasi_snapshot_preview1 = { proc_exit: (status) => { throw new Error(`engine stopped (${status})`); } };
  const engine = new WebAssembly.Instance(new WebAssembly.Module(code), { page, wasi_snapshot_preview1 }).exports;
  memory = engine.memory;
  engine._initialize();
  return { press: engine.quimbel_press, typed: engine.quimbel_typed, help: engine.quimbel_help,
    about: engine.quimbel_about, reset: engine.quimbel_reset, imps: engine.quimbel_imps,
    // Only an int crosses: a text, or a number past 32 bits, is no deal score.
    isDealScore: (score) => (score | 0) === score && engine.quimbel_is_deal_score(score) !== 0 };
}

// What the About box shows until the engine fills it, again on each close,
// as a box loaded anew would.
const aboutLabels = ['lblHeading', 'lblApplication', 'lblCopyright'].map((id) => [id, $(id).textContent]);
const resetAbout = () => aboutLabels.forEach(([id, text]) => { $(id).textContent = text; });

const view = {
  readInput: () => text1.value,
  showInput(text) {
    if (text === text1.value) return;
    // Keeps the caret where it was, counted from the end, when typing.
    const fromEnd = text1.value.length - (text1.selectionEnd ?? text1.value.length);
    text1.value = text;
    const caret = Math.max(0, text.length - fromEnd);
    if (document.activeElement === text1) text1.setSelectionRange(caret, caret);
  },
  setResult: (text) => { text2.textContent = text; },
  setResultBackground: (background) => { text2.dataset.background = background; },
  showMessage(title, text) {
    $('MsgBoxTitle').textContent = title;
    $('MsgBoxText').textContent = text.replaceAll('\r\n', '\n');
    msgBox.showModal();
  },
  setAboutText: (id, text) => { $(id).textContent = text; },
  displayAbout: () => about.showModal(),
  close() {
    // Only a window the browser lets the page close (an installed app's)
    // goes away; elsewhere the calculator shows itself off.
    if (matchMedia('(display-mode: standalone)').matches) window.close();
    form.hidden = true;
    off.hidden = false;
    off.focus();
  },
};

const engine = startEngine(view);

for (const key of $('Keypad').children) {
  const number = Number(key.id.slice('Command'.length));
  key.addEventListener('click', () => engine.press(number));
}
text1.addEventListener('input', () => engine.typed());
$('Label3').addEventListener('click', () => engine.help());
$('Label4').addEventListener('click', () => engine.about());
$('MsgBoxOK').addEventListener('click', () => msgBox.close());
$('cmdOK').addEventListener('click', () => about.close());
about.addEventListener('close', resetAbout);
// As on the desktop, neither Escape nor Enter closes the About box.
about.addEventListener('cancel', (event) => event.preventDefault());
about.addEventListener('keydown', (event) => {
  if (event.key === 'Escape' || event.key === 'Enter') event.preventDefault();
});

// Shows the calculator, ready for typing, in place of Off.
function turnOn() {
  off.hidden = true;
  form.hidden = false;
  text1.focus();
}

// Off: a tap anywhere, or Enter, turns a fresh calculator on.
off.addEventListener('click', () => {
  engine.reset();
  text1.value = '';
  view.setResult('');
  delete text2.dataset.background;
  turnOn();
});

turnOn();

// The page's one navigator. Each screen over the calculator is a history
// entry, so that Back (the screen's own key, the system's gesture or button,
// Escape) brings the calculator back as it was. A screen loads on first use,
// so the calculator never waits for it, and a reload on it opens it again;
// without the network and without the worker it may not come, and the player
// is told so on the calculator, where Back leaves the page no more.
const screens = { match: { load: () => import('./match.js'), opener: 'Match' } };
// The screen a history entry shows; `match` is how an earlier version named it.
const screenOf = (state) => state?.screen ?? (state?.match ? 'match' : null);
let shown = null;
// Back once, however fast the taps: a second would leave the page.
let leaving = false;
const back = () => {
  if (!shown || leaving) return;
  leaving = true;
  history.back();
};
async function navigate() {
  leaving = false;
  const name = screenOf(history.state);
  if (!name) {
    if (!shown) return;
    shown.screen.hide();
    form.hidden = false;
    $(shown.opener).focus();
    shown = null;
    return;
  }
  try {
    const screen = await (await screens[name].load()).open({ engine, result: () => text2.textContent, back });
    if (screenOf(history.state) !== name) return;
    screen.show();
    form.hidden = true;
    shown = { screen, opener: screens[name].opener };
  } catch {
    history.replaceState(null, '');
    view.showMessage('QUIMBEL', "L'écran du match n'a pas pu être chargé. Vérifiez la connexion, puis réessayez.");
  }
}
for (const [name, { opener }] of Object.entries(screens)) {
  $(opener).addEventListener('click', () => {
    if (screenOf(history.state) !== name) history.pushState({ screen: name }, '');
    navigate();
  });
}
addEventListener('popstate', navigate);
navigate();

// Once the page has settled, it links its manifest and registers its worker:
// the browser fetches the manifest as soon as it is linked, to offer to
// install the page, and a new worker installs by fetching the whole site,
// work that would otherwise compete with the first tap.
// A reload is told apart from a page being opened beside this one by this
// page's word that it is leaving: only then may a waiting version take over.
addEventListener('beforeunload', () => navigator.serviceWorker?.controller?.postMessage('leaving'));
setTimeout(() => {
  document.head.append(Object.assign(document.createElement('link'), { rel: 'manifest', href: 'manifest.webmanifest' }));
  navigator.serviceWorker?.register('sw.js');
}, 1000);
