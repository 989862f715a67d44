// Saves a picture of the page at a phone's size after 4♥XX+2 V, as the
// README shows it: node web/screenshot.mjs OUTPUT.png (QUIMBEL_SITE set).
import { keyTypicalRequest, launch, openCalculator, phone, serveSite } from './chromium.mjs';

const [browser, server] = await Promise.all([launch(), serveSite()]);
const page = await openCalculator(await browser.newContext({ viewport: phone }), server.url);
await keyTypicalRequest(page);
await page.screenshot({ path: process.argv[2] });
await Promise.all([browser.close(), server.close()]);
