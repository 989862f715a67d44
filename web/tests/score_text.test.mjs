// A score as typed in a field, read as the screens read it: every dash a phone or a paste gives is a minus, grouping
// spaces and leading zeros are settled, and what is no deal's score is refused with the reason.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { hundredths, parseScore, settled, signChanged, tenths } from '../page/screens/score_text.js';

const deal = new Set([0, 620, -650, 1430, -1430, -1100, -140]);
const read = (text) => parseScore(text, (score) => deal.has(score));

test('every dash a minus, spaces and zeros settled, whether typed or pasted; the sign changed in one tap', () => {
  const dashes = [...'\u2010\u2011\u2012\u2013\u2014\u2015\u2212\uFE58\uFE63\uFF0D-'].map((dash) => [`${dash}650`, -650, '-650', '650']);
  for (const [typed, score, pasted, changed] of [...dashes, ['1 430', 1430, '1430', '-1430'], ['-1\u202f430', -1430, '-1430', '1430'],
    ['- 140', -140, '-140', '140'], ['\u2013 1 100', -1100, '-1100', '1100'], [' +0620 ', 620, '620', '-620'], ['00000000620', 620, '620', '-620']]) {
    assert.deepEqual([read(typed), settled(typed), signChanged(typed)], [{ score }, pasted, changed], typed);
  }
});

test('what no deal scores is refused with the reason', () => {
  const digits = 'Tapez la marque en chiffres, par exemple 620 ou -650.';
  for (const [typed, error] of [['', 'Saisissez la marque de cette table.'], ['  ', 'Saisissez la marque de cette table.'], ['-', digits],
    ['6 2 0x', digits], ['--620', digits], ['625', 'Une marque de donne se termine toujours par 0.'], ['6200', 'Aucune donne ne marque 6200.'],
    ['7'.repeat(300), 'Aucune donne ne marque autant.'], ['1'.repeat(5001), 'Aucune donne ne marque autant.']]) {
    assert.deepEqual(read(typed), { error }, typed);
  }
});

test('hundredths and tenths written with their comma, whatever their sign', () => {
  assert.deepEqual([6250, 0, 5, '-25', '+1050', 2000].map(hundredths), ['62,50', '0,00', '0,05', '-0,25', '+10,50', '20,00']);
  assert.deepEqual([375, 120, 5, 0, '-25'].map(tenths), ['37,5', '12,0', '0,5', '0,0', '-2,5']);
});
