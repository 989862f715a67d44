// The page keeps its size budget: what the calculator loads before its
// first tap, and all its code, gzipped.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { budget, codeSize } from '../../tools/web/code_size.mjs';

test('the calculator\'s first tap and all the code within their gzipped budgets', async () => {
  const { firstTap, all } = await codeSize(process.env.QUIMBEL_SITE);
  assert.ok(firstTap <= budget.firstTap && all <= budget.all, JSON.stringify({ firstTap, all, budget }));
});
