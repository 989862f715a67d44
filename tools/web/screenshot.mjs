// Saves pictures of the page at a phone's size after 4♥XX+2 V, as the README
// shows them, in light and in dark mode, of the match screen with a few
// boards and its VPs on 16 boards, of the pairs screen with a Howell of two
// tables over three boards, the first board's traveller and the ranking, and,
// in light mode, of those boards' card sent and received on a teammate's phone:
//   QUIMBEL_SITE=build/web/web/site node tools/web/screenshot.mjs LIGHT.png DARK.png MATCH_LIGHT.png MATCH_DARK.png \
//     PAIRS_LIGHT.png PAIRS_DARK.png CARD_SENT.png CARD_RECEIVED.png
import { keyTypicalRequest, launch, openCalculator, phone, serveSite } from './chromium.mjs';

const [light, dark, matchLight, matchDark, pairsLight, pairsDark, cardSent, cardReceived] = process.argv.slice(2);
const boards = [['620', '-650'], ['-100', '200'], ['420', '-50']];
// Each board's results: the pairs, then the score or the adjusted score's code.
const session = [[['1', '2', '420'], ['3', '4', '400']], [['1', '3', '-100'], ['2', '4', '-100']], [['1', '4', '', '1'], ['2', '3', '140']]];
const [browser, server] = await Promise.all([launch(), serveSite()]);
for (const [colorScheme, calculator, match, pairs] of [['light', light, matchLight, pairsLight], ['dark', dark, matchDark, pairsDark]]) {
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
  await page.fill('#MatchLength', '16');
  await page.click('#Carry');
  await page.locator('#MatchBack').focus();
  await page.screenshot({ path: match });
  if (colorScheme === 'light') {
    await page.click('#SendCard');
    await page.locator('#CardQR[aria-label]').waitFor();
    await page.screenshot({ path: cardSent });
    const link = await page.textContent('#CardLink');
    await page.click('#CardClose');
    // The teammate's phone: their own table's boards 1 and 2, and board 2's other table typed with the wrong sign.
    const teammate = await browser.newContext({ viewport: phone, colorScheme });
    const other = await openCalculator(teammate, server.url);
    await other.click('#Match');
    for (const [i, [own, theirs]] of [['-650', ''], ['200', '100']].entries()) {
      await other.fill('#Own', own);
      await other.fill('#Other', theirs);
      await other.click('#Save');
      await other.locator('#Boards li').nth(i).waitFor();
    }
    await other.goto(link);
    await other.locator('#CardReceived[open]').waitFor();
    await other.screenshot({ path: cardReceived });
    await teammate.close();
  }
  await page.click('#MatchBack');
  await page.click('#Pairs');
  for (const [board, results] of session.entries()) {
    await page.fill('#PairsBoard', String(board + 1));
    for (const [ns, ew, score, adjusted = '0'] of results) {
      await page.fill('#PairsNS', ns);
      await page.fill('#PairsEW', ew);
      await page.selectOption('#PairsAdjusted', adjusted);
      if (score) await page.fill('#PairsScore', score);
      await page.click('#PairsAdd');
      await page.waitForFunction(() => PairsNS.value === '');
    }
  }
  await page.fill('#PairsBoard', '1');
  await page.locator('#PairsBack').focus();
  await page.screenshot({ path: pairs });
  await context.close();
}
await Promise.all([browser.close(), server.close()]);
