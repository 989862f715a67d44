// The least a page with 24 keys can do: each key appends its caption.
const line = document.getElementById('Text1');
for (const key of document.getElementById('Keypad').children)
  key.addEventListener('click', () => { line.value += key.textContent; });
document.getElementById('Form1').inert = false;
navigator.serviceWorker.register('sw.js');
