// Lighthouse finds nothing to fault in the page's accessibility and practices.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { audit } from './lighthouse.mjs';
import { serveSite } from './browser.mjs';

test('Lighthouse: Accessibility and Best Practices at 100', async () => {
  const server = await serveSite();
  try {
    const scores = await audit(server.url);
    assert.deepEqual([scores.accessibility, scores['best-practices']], [100, 100],
      JSON.stringify(scores));
  } finally {
    await server.close();
  }
});
