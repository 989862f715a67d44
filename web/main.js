// Wires Form1, whose keys the built page already holds, to the engine. Taps
// and typing that come before the engine are kept, in order, and answered
// as soon as it is ready.
import { loadEngine } from './engine.js';

const $ = (id) => document.getElementById(id);
const form = $('Form1');
const text1 = $('Text1');
const text2 = $('Text2');
const msgBox = $('MsgBox');
const about = $('About');
const off = $('Off');

// What the About box shows until the engine fills it, again on each close,
// as a box loaded anew would.
const aboutLabels = ['lblHeading', 'lblApplication', 'lblCopyright'].map((id) => [id, $(id).textContent]);
const resetAbout = () => aboutLabels.forEach(([id, text]) => { $(id).textContent = text; });

const page = {
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

const engine = loadEngine(page);
const send = (call) => engine.then(call);

for (const key of $('Keypad').children) {
  const number = Number(key.id.slice('Command'.length));
  key.addEventListener('click', () => send((e) => e.press(number)));
}
text1.addEventListener('input', () => send((e) => e.typed()));
$('Label3').addEventListener('click', () => send((e) => e.help()));
$('Label4').addEventListener('click', () => send((e) => e.about()));
$('MsgBoxOK').addEventListener('click', () => msgBox.close());
$('cmdOK').addEventListener('click', () => about.close());
about.addEventListener('close', resetAbout);
// As on the desktop, neither Escape nor Enter closes the About box.
about.addEventListener('cancel', (event) => event.preventDefault());
about.addEventListener('keydown', (event) => {
  if (event.key === 'Escape' || event.key === 'Enter') event.preventDefault();
});

// Off: a tap anywhere, or Enter, turns a fresh calculator on.
off.addEventListener('click', () => send((e) => {
  e.reset();
  text1.value = '';
  page.setResult('');
  delete text2.dataset.background;
  off.hidden = true;
  form.hidden = false;
  text1.focus();
}));

form.inert = false;
text1.focus();

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
