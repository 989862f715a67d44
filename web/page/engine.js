// The engine behind its side of the boundary that engine_interface.h
// declares: `view` answers its calls, with texts as strings, and it takes
// the keys, typed changes and label clicks by the names returned here. It is
// compiled on the page's own thread: its 16 KB take a few milliseconds,
// where a compilation handed to another thread comes back tens of
// milliseconds later in a new tab.
import { isInt } from './ints.js';

// The engine's bytes from the page's hexadecimal.
export const engineCode = (hex) =>
  Uint8Array.fromHex?.(hex) ?? Uint8Array.from(hex.match(/../g), (byte) => parseInt(byte, 16));

export function startEngine(code, view) {
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
  // Every export read here and now: a name the module lacks shows at once.
  const { press, typed, help, about, reset, isDealScore } = engine;
  return {
    press, typed, help, about, reset,
    isDealScore: (score) => isInt(score) && isDealScore(score) !== 0,
  };
}
