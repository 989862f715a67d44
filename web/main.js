// Builds Form1 from the engine's own tables and hands every key, typed
// change and label click to the engine; the engine answers through `page`.
import createEngine from './engine.js';

const $ = (id) => document.getElementById(id);
const form = $('Form1');
const text1 = $('Text1');
const text2 = $('Text2');
const msgBox = $('MsgBox');
const about = $('About');

// Places are the design's pixels at 96 dpi; the style sheet scales them by --u.
function place(element, { left, top, width, height }, size) {
  for (const [name, value] of Object.entries({ left, top, width, height, size }))
    element.style.setProperty(`--${name}`, value);
}

// What the engine calls; the About box's placeholders come back each time
// it closes, as a window unloaded and loaded anew would show them.
const aboutPlaceholders = { lblHeading: '- Heading -', lblApplication: '- Application -',
  lblCopyright: '- Copyright -' };
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
  setResultBackground: (colour) => text2.style.setProperty('background-color', colour),
  showMessage(title, text) {
    $('MsgBoxTitle').textContent = title;
    $('MsgBoxText').textContent = text.replaceAll('\r\n', '\n');
    msgBox.showModal();
  },
  setAboutText: (label, text) => { $(label).textContent = text; },
  displayAbout: () => about.showModal(),
  close() {
    // Only a window the browser lets the page close (an installed app's)
    // goes away; elsewhere the calculator shows itself off.
    if (matchMedia('(display-mode: standalone)').matches) window.close();
    form.hidden = true;
    $('Off').hidden = false;
    $('Off').focus();
  },
};
const resetAbout = () => Object.entries(aboutPlaceholders).forEach(([id, text]) => page.setAboutText(id, text));
resetAbout();

const engine = await createEngine();
const design = engine.design();
let calculator = new engine.Calculator(page);

for (const [name, control] of Object.entries(design.controls)) {
  const element = $(name);
  if (!element) continue; // Label1 and Label2 show nothing
  place(element, control.place, control.size);
  element.style.fontWeight = control.bold ? 'bold' : 'normal';
}
$('Label3').textContent = design.texts.title;
$('Label4').textContent = design.texts.copyright;
for (const line of ['Text1', 'Text2']) $(line).setAttribute('aria-label', design.texts[line]);

const keypad = $('Keypad');
for (const key of design.keys) {
  const button = document.createElement('button');
  button.type = 'button';
  button.id = `Command${key.number}`;
  button.textContent = key.caption;
  button.setAttribute('aria-label', key.name);
  if (key.face) button.style.setProperty('--face', key.face);
  place(button, key.place, key.size);
  button.addEventListener('click', () => calculator.press(key.number));
  keypad.append(button);
}

text1.addEventListener('input', () => calculator.typed());
$('Label3').addEventListener('click', () => calculator.helpClicked());
$('Label4').addEventListener('click', () => calculator.aboutClicked());
$('MsgBoxOK').addEventListener('click', () => msgBox.close());
$('cmdOK').addEventListener('click', () => about.close());
about.addEventListener('close', resetAbout);
// As on the desktop, neither Escape nor Enter closes the About box.
about.addEventListener('cancel', (event) => event.preventDefault());
about.addEventListener('keydown', (event) => {
  if (event.key === 'Escape' || event.key === 'Enter') event.preventDefault();
});

// Off: a tap anywhere, or Enter, turns a fresh calculator on.
$('Off').addEventListener('click', () => {
  calculator.delete();
  calculator = new engine.Calculator(page);
  text1.value = '';
  page.setResult('');
  page.setResultBackground('');
  $('Off').hidden = true;
  form.hidden = false;
  text1.focus();
});

form.inert = false;
text1.focus();
performance.mark('keys-ready');

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
