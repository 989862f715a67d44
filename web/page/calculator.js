// The calculator's window, Form1: what the engine shows in it, its keys,
// lines and labels wired to the engine, the boxes, and OFF.
export const $ = (id) => document.getElementById(id);
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

// The page's side of the engine's calls.
export const view = {
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
    // Read from its start: OK, focused, scrolled a long text (the help) to its end.
    msgBox.scrollTop = 0;
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

// The score the result line shows, for a screen to carry.
export const shownResult = () => text2.textContent;

// Shows the calculator, ready for typing, in place of Off.
function turnOn() {
  off.hidden = true;
  form.hidden = false;
  text1.focus();
}

// `engine` gives the engine, started at its first call.
export function wireCalculator(engine) {
  for (const key of $('Keypad').children) {
    const number = Number(key.id.slice('Command'.length));
    key.addEventListener('click', () => engine().press(number));
  }
  text1.addEventListener('input', () => engine().typed());
  $('Label3').addEventListener('click', () => engine().help());
  $('Label4').addEventListener('click', () => engine().about());
  $('MsgBoxOK').addEventListener('click', () => msgBox.close());
  $('cmdOK').addEventListener('click', () => about.close());
  about.addEventListener('close', resetAbout);
  // As on the desktop, neither Escape nor Enter closes the About box.
  about.addEventListener('cancel', (event) => event.preventDefault());
  about.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' || event.key === 'Enter') event.preventDefault();
  });

  // Off: a tap anywhere, or Enter, turns a fresh calculator on.
  off.addEventListener('click', () => {
    engine().reset();
    text1.value = '';
    view.setResult('');
    delete text2.dataset.background;
    turnOn();
  });

  turnOn();
}
