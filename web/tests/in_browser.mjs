// Every check a player's use of the page makes, in a browser that `start`
// opens (see firefox.mjs and webdriver.mjs), on the site served here.
import { after, before, test } from 'node:test';
import { serveSite } from '../../tools/web/chromium.mjs';
import { checks } from './calculator_checks.mjs';
import { matchChecks } from './match_checks.mjs';
import { pairsChecks } from './pairs_checks.mjs';

export const everyCheck = { ...checks, ...matchChecks, ...pairsChecks };

export function checkIn(start) {
  let browser, server;
  before(async () => {
    [browser, server] = await Promise.all([start(), serveSite()]);
    await browser.goto(server.url);
  });
  after(() => Promise.all([browser?.close(), server?.close()]));
  for (const [name, check] of Object.entries(everyCheck)) test(name, () => check(browser));
}
