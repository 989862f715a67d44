// The page keeps its size budget: what the calculator loads on a first
// visit, each screen the screens' table lists, the card's module, and all its code, gzipped.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { budget, codeSize, screenBudget } from '../../tools/web/code_size.mjs';

test('the calculator\'s first visit, each screen, the card\'s module and all the code within their gzipped budgets', async () => {
  const { firstTap, screens, card, all } = await codeSize(process.env.QUIMBEL_SITE);
  const listed = JSON.parse(await readFile(new URL('../page/screens/screens.json', import.meta.url), 'utf8')).map(({ name }) => name);
  // A screen whose files were not found under its name would go unmeasured.
  assert.deepEqual(Object.keys(screens).sort(), listed.sort());
  const over = Object.entries(screens).filter(([name, size]) => size > screenBudget(name));
  const allowed = listed.reduce((sum, name) => sum + screenBudget(name), budget.shared);
  assert.ok(firstTap <= budget.firstTap && card > 0 && card <= budget.card && all <= allowed && !over.length,
    JSON.stringify({ firstTap, screens, card, all, budget }));
});
