// A touch screen at 1280 px, where the bar fits and does not collapse (pointer: coarse,
// hover: none): every target of the bar and of the boxes is 44 x 44 although the design's
// items are 23 px tall; a tap on an arrow opens, on a link follows, outside closes; the mouse
// still opens by hovering.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { env, useBrowser, openMenu, waitOpen, waitClosed, until, expanded, hover } from './lib/harness.mjs';
import { visibleTargets, runAxe } from './lib/targets.mjs';

useBrowser({ hasTouch: true, viewport: { width: 1280, height: 800 } });

// A tap in the middle of the element `sel` of the item `text`.
async function tap(page, text, sel) {
  const c = await until(page, ([t, s]) => {
    const cell = [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === t);
    const el = cell && (s ? cell.querySelector(s) : cell);
    if (!el || !el.getClientRects().length) return null;
    const r = el.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  }, [text, sel], `${text} ${sel || ''}`);
  await page.touchscreen.tap(c.x, c.y);
}

async function assertTargets(page, what) {
  const targets = await visibleTargets(page);
  assert.ok(targets.length > 3, what);
  const small = targets.filter((t) => t.width < 44 || t.height < 44);
  assert.deepEqual(small, [], `${what}: targets under 44 x 44`);
}

test('touch at 1280 px: 44 px targets in the bar and the boxes; tap on an arrow opens, on a link follows, outside closes', async () => {
  const page = await openMenu('site.js');
  assert.equal(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), true);
  await until(page, () => document.querySelector('.zm-menu') && !document.querySelector('.zm-collapsed') && getComputedStyle(document.querySelector('.zm-bar')).display === 'flex', null, 'a bar, not collapsed');
  await assertTargets(page, 'the bar');
  // The drawn arrow of Products (a button) and of Hardware (beside its link).
  await tap(page, 'Products', '.zm-arrow');
  await waitOpen(page, 'Tools');
  await tap(page, 'Hardware', '.zm-arrow');
  await waitOpen(page, 'Screws');
  await assertTargets(page, 'the bar and two boxes');
  assert.deepEqual((await runAxe(page, ['target-size'])).violations, []);
  assert.equal(new URL(page.url()).pathname, '/page', 'no link followed');
  // Outside the menu: every box closes.
  await page.touchscreen.tap(1200, 700);
  await waitClosed(page, 'Tools');
  await waitClosed(page, 'Screws');
  assert.deepEqual([await expanded(page, 'Products'), await expanded(page, 'Hardware')], ['false', 'false']);
  // The mouse of a touch laptop opens by hovering as before.
  await hover(page, 'Über uns – Café');
  await waitOpen(page, 'Team');
  await page.mouse.move(1200, 700);
  await waitClosed(page, 'Team');
  // The text of an item with a submenu is its link.
  await tap(page, 'Products', '.zm-arrow');
  await waitOpen(page, 'Hardware');
  await Promise.all([page.waitForURL(`${env.server.base}/hardware.html`), tap(page, 'Hardware', '.zm-text')]);
  await page.close();
});
