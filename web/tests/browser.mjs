// Debian's Chromium, driven by playwright-core, on the site built by the web
// preset (QUIMBEL_SITE), served from 127.0.0.1. Nothing here downloads a
// browser or reaches past this machine.
import { chromium } from 'playwright-core';
import { serve } from '../serve.mjs';

export const site = process.env.QUIMBEL_SITE;
export const phone = { width: 390, height: 844 };
export const desktop = { width: 1280, height: 800 };

// The flags keep Chromium from calling home, which this network refuses.
export const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const options = { executablePath: '/usr/bin/chromium', headless: true, args: chromiumFlags };

export const launch = () => chromium.launch(options);
export const launchPersistent = (profile, viewport) =>
  chromium.launchPersistentContext(profile, { ...options, viewport });
export const serveSite = (port) => serve(site, port);

// The typical request, 4 ♥ X X + 2 V, by the keys' control numbers: 1880.
export async function keyTypicalRequest(page) {
  for (const key of [23, 15, 18, 18, 11, 2, 20]) await page.click(`#Command${key}`);
}

// A page of the calculator whose keys work.
export async function openCalculator(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('#Command20').waitFor();
  return page;
}
