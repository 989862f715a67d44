// A small W3C WebDriver client for WebKitGTK: starts WebKitWebDriver, which
// drives MiniBrowser on the X display the test runs under (xvfb-run), and
// offers what the page's checks need of a browser.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// The W3C names of the keys the checks press.
const keyCodes = { Escape: '\uE00C', Enter: '\uE007' };

const freePort = () => new Promise((resolve) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

export async function startWebKit() {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    const response = await fetch(base + path, { method, headers: { 'Content-Type': 'application/json' },
      body: body && JSON.stringify(body) });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }
  // However long a loaded machine takes to start it, until it is ready or stops.
  let stopped = null;
  driver.on('exit', (code) => { stopped = new Error(`WebKitWebDriver stopped (${code})`); });
  for (;;) {
    try {
      if ((await call('GET', '/status')).ready) break;
    } catch (error) {
      if (stopped) throw stopped;
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } });
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
  const element = async (selector) =>
    Object.values(await session('POST', '/element', { using: 'css selector', value: selector }))[0];

  return {
    goto: (url) => session('POST', '/url', { url }),
    click: async (selector) => session('POST', `/element/${await element(selector)}/click`, {}),
    type: async (selector, text) => session('POST', `/element/${await element(selector)}/value`, { text }),
    async fill(selector, text) {
      const id = await element(selector);
      await session('POST', `/element/${id}/clear`, {});
      if (text) await session('POST', `/element/${id}/value`, { text });
    },
    key: (name) => session('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: [
      { type: 'keyDown', value: keyCodes[name] }, { type: 'keyUp', value: keyCodes[name] }] }] }),
    evaluate: (fn, arg) => session('POST', '/execute/sync', { script: `return (${fn})(arguments[0])`,
      args: [arg ?? null] }),
    reload: () => session('POST', '/refresh', {}),
    async close() {
      await session('DELETE', '').catch(() => {});
      driver.kill();
    },
  };
}
