// Debian's Chromium, driven by playwright-core, on the site built by the web
// preset (QUIMBEL_SITE), served from 127.0.0.1: for the page's tests, its
// benchmark and its pictures. Nothing here downloads a browser or reaches
// past this machine.
import { readFileSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from './serve.mjs';

export const site = process.env.QUIMBEL_SITE;
export const phone = { width: 390, height: 844 };

// The flags keep Chromium from calling home, which this network refuses.
export const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const options = { executablePath: '/usr/bin/chromium', headless: true, args: chromiumFlags };

export const launch = () => chromium.launch(options);
export const serveSite = () => serve(site);

// A fresh persistent profile (an incognito one is never installable) on a
// phone's screen; `close` removes it all.
export async function persistentContext() {
  const profile = await mkdtemp(join(tmpdir(), 'quimbel-profile-'));
  const context = await chromium.launchPersistentContext(profile, { ...options, viewport: phone });
  const close = async () => {
    await context.close();
    await rm(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// The typical request, 4 ♥ X X + 2 V, by the keys' control numbers: 1880.
export async function keyTypicalRequest(page) {
  for (const key of [23, 15, 18, 18, 11, 2, 20]) await page.click(`#Command${key}`);
  await page.locator('#Text2', { hasText: '1880' }).waitFor();
}

// A page of `context` in a window of its own, beside `page`: headless
// Chromium draws only the tab in front in a window, and one behind gets about
// a frame a second, which every action on it waits for (a stable element).
async function windowBeside(page) {
  const context = page.context();
  const tab = await context.newCDPSession(page);
  const { targetInfo: { browserContextId } } = await tab.send('Target.getTargetInfo');
  const browser = await context.browser().newBrowserCDPSession();
  const [opened] = await Promise.all([context.waitForEvent('page'),
    browser.send('Target.createTarget', { url: 'about:blank', browserContextId, newWindow: true })]);
  await Promise.all([tab.detach(), browser.detach()]);
  return opened;
}

// A page of the calculator whose keys take taps, in a window of its own
// beside the page `beside` if given.
export async function openCalculator(context, url, beside) {
  const page = beside ? await windowBeside(beside) : await context.newPage();
  await page.goto(url);
  await page.locator('#Form1').waitFor();
  return page;
}

// The screens' table, and each screen it lists opened in turn from the
// calculator, then left by Escape, the Back every screen takes.
export const listedScreens = JSON.parse(readFileSync(new URL('../../web/page/screens/screens.json', import.meta.url), 'utf8'));
export async function openEveryScreen(page) {
  for (const { opener } of listedScreens) {
    await page.click(`#${opener}`);
    await page.locator('#Form1').waitFor({ state: 'hidden' });
    await page.keyboard.press('Escape');
    await page.locator('#Form1').waitFor();
  }
}

// Time stands still in the pages `context` opens after this: between two
// taps passes only what a test lets pass (clock.runFor), whatever the machine.
export async function stopClock(context) {
  await context.clock.install();
  await context.clock.pauseAt(Date.now());
}

// What the page's checks need of a browser, for a Playwright page.
export const checkedBrowser = (page) => ({
  click: (selector) => page.click(selector),
  type: async (selector, text) => {
    await page.focus(selector);
    await page.keyboard.type(text);
  },
  fill: (selector, text) => page.fill(selector, text),
  key: (name) => page.keyboard.press(name),
  evaluate: (fn, arg) => page.evaluate(fn, arg),
  reload: () => page.reload(),
});
