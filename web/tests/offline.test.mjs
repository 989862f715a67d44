// Installable and offline: in a persistent profile (an incognito one is never
// installable), Chromium finds nothing against installing the page, and once
// visited the page reloads and scores with the server stopped.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { keyTypicalRequest, launchPersistent, phone, serveSite } from './browser.mjs';

test('installable, then working with the server stopped', async () => {
  const profile = await mkdtemp(join(tmpdir(), 'quimbel-profile-'));
  const server = await serveSite();
  const context = await launchPersistent(profile, phone);
  try {
    const page = await context.newPage();
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);

    await server.close();
    await page.reload();
    await keyTypicalRequest(page);
    assert.equal(await page.textContent('#Text2'), '1880');
  } finally {
    await context.close();
    await server.close();
    await rm(profile, { recursive: true, force: true });
  }
});
