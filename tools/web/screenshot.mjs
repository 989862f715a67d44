// Saves pictures of the page at a phone's size after 4♥XX+2 V, as the README
// shows them, in light and in dark mode, and of the match screen with a few
// boards:
//   QUIMBEL_SITE=build/web/web/site node tools/web/screenshot.mjs LIGHT.png DARK.png MATCH_LIGHT.png MATCH_DARK.png
import { keyTypicalRequest, launch, openCalculator, phone, serveSite } from './chromium.mjs';

const [light, dark, matchLight, matchDark] = process.argv.slice(2);
const boards = [['620', '-650'], ['-100', '200'], ['420', '-50']];
const [browser, server] = await Promise.all([launch(), serveSite()]);
for (const [colorScheme, calculator, match] of [['light', light, matchLight], ['dark', dark, matchDark]]) {
  const context = await browser.newContext({ viewport: phone, colorScheme });
  const page = await openCalculator(context, server.url);
  await keyTypicalRequest(page);
  await page.screenshot({ path: calculator });
  await page.click('#Match');
  for (const [own, other] of boards) {
    await page.fill('#Own', own);
    await page.fill('#Other', other);
    await page.click('#Save');
  }
  await page.click('#Carry');
  await page.locator('#MatchBack').focus();
  await page.screenshot({ path: match });
  await context.close();
}
await Promise.all([browser.close(), server.close()]);
