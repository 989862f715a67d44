// Saves pictures of the page at a phone's size after 4♥XX+2 V, as the README
// shows them, in light and in dark mode:
//   QUIMBEL_SITE=build/web/web/site node tools/web/screenshot.mjs LIGHT.png DARK.png [WIDTHxHEIGHT]
import { keyTypicalRequest, launch, openCalculator, phone, serveSite } from './chromium.mjs';

const [light, dark, size] = process.argv.slice(2);
const [width, height] = size ? size.split('x').map(Number) : [phone.width, phone.height];
const [browser, server] = await Promise.all([launch(), serveSite()]);
for (const [colorScheme, path] of [['light', light], ['dark', dark]]) {
  const context = await browser.newContext({ viewport: { width, height }, colorScheme });
  const page = await openCalculator(context, server.url);
  await keyTypicalRequest(page);
  await page.screenshot({ path });
  await context.close();
}
await Promise.all([browser.close(), server.close()]);
