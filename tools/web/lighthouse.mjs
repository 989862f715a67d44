// A Lighthouse audit of the page on Debian's Chromium, mobile profile (the
// default): the four category scores, 0 to 100.
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import { chromiumFlags } from './chromium.mjs';

export const categories = ['performance', 'accessibility', 'best-practices', 'seo'];

export async function audit(url) {
  const chrome = await chromeLauncher.launch({ chromePath: '/usr/bin/chromium',
    chromeFlags: ['--headless=new', ...chromiumFlags] });
  try {
    const { lhr } = await lighthouse(url, { port: chrome.port, onlyCategories: categories,
      logLevel: 'error' });
    return Object.fromEntries(categories.map((id) => [id, Math.round(lhr.categories[id].score * 100)]));
  } finally {
    await chrome.kill();
  }
}
