// The page's checks in WebKit, the engine of every browser on an iPhone:
// WebKitGTK's MiniBrowser driven over W3C WebDriver (run under xvfb-run).
import { after, before, test } from 'node:test';
import { serveSite } from '../../tools/web/chromium.mjs';
import { checks } from './calculator_checks.mjs';
import { matchChecks } from './match_checks.mjs';
import { startWebKit } from '../../tools/web/webdriver.mjs';

let browser, server;
before(async () => {
  [browser, server] = await Promise.all([startWebKit(), serveSite()]);
  await browser.goto(server.url);
});
after(() => Promise.all([browser?.close(), server?.close()]));

for (const [name, check] of Object.entries({ ...checks, ...matchChecks })) test(name, () => check(browser));
