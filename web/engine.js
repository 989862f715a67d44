// The engine in WebAssembly behind a thin wrapper: `window` answers the
// engine's calls (texts arrive as strings), and the engine takes the keys,
// typed changes and label clicks by the names below.
const utf8 = new TextDecoder();
const utf16 = new TextDecoder('utf-16le');

export async function loadEngine(window) {
  let memory;
  const text = (pointer, length) => utf8.decode(new Uint8Array(memory.buffer, pointer, length));
  const page = {
    readInput(pointer, capacity) {
      const value = window.readInput();
      const units = new Uint16Array(memory.buffer, pointer, capacity);
      for (let i = 0; i < Math.min(capacity, value.length); ++i) units[i] = value.charCodeAt(i);
      return value.length;
    },
    showInput: (pointer, length) => window.showInput(utf16.decode(new Uint16Array(memory.buffer, pointer, length))),
    setResult: (pointer, length) => window.setResult(text(pointer, length)),
    setResultBackground: (background) => window.setResultBackground(background),
    showMessage: (title, titleLength, pointer, length) =>
      window.showMessage(text(title, titleLength), text(pointer, length)),
    setAboutText: (id, idLength, pointer, length) => window.setAboutText(text(id, idLength), text(pointer, length)),
    displayAbout: () => window.displayAbout(),
    close: () => window.close(),
  };
  const wasi_snapshot_preview1 = { proc_exit: (code) => { throw new Error(`engine stopped (${code})`); } };
  const { instance } = await WebAssembly.instantiateStreaming(fetch(new URL('engine.wasm', import.meta.url)),
    { page, wasi_snapshot_preview1 });
  const engine = instance.exports;
  memory = engine.memory;
  engine._initialize();
  return { press: engine.quimbel_press, typed: engine.quimbel_typed, help: engine.quimbel_help,
    about: engine.quimbel_about, reset: engine.quimbel_reset };
}
