// Installable and offline: Chromium finds nothing against installing the
// page, and once visited it reloads and scores with the server stopped; and
// Lighthouse finds nothing to fault in its accessibility and practices.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { installedPage, keyTypicalRequest, serveSite } from '../../tools/web/chromium.mjs';
import { audit } from '../../tools/web/lighthouse.mjs';

test('installable, then working with the server stopped', async () => {
  const server = await serveSite();
  const { context, page, close } = await installedPage(server.url);
  try {
    const cdp = await context.newCDPSession(page);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    await server.close();
    await page.reload();
    await keyTypicalRequest(page);
  } finally {
    await Promise.all([close(), server.close()]);
  }
});

test('Lighthouse: Accessibility and Best Practices at 100', async () => {
  const server = await serveSite();
  const scores = await audit(server.url).finally(() => server.close());
  assert.deepEqual([scores.accessibility, scores['best-practices']], [100, 100], JSON.stringify(scores));
});
