// Debian's Firefox ESR, driven by puppeteer-core over WebDriver BiDi, which
// Firefox speaks itself (no geckodriver), and offering what the page's checks
// need of a browser. Nothing here downloads a browser.
import puppeteer from 'puppeteer-core';

export async function startFirefox() {
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    headless: true });
  const page = await browser.newPage();
  return {
    goto: (url) => page.goto(url),
    click: (selector) => page.click(selector),
    type: async (selector, text) => {
      await page.focus(selector);
      await page.keyboard.type(text);
    },
    fill: (selector, text) => page.locator(selector).fill(text),
    key: (name) => page.keyboard.press(name),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    reload: () => page.reload(),
    close: () => browser.close(),
  };
}
