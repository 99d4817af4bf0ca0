// What the test bodies ask of a page, over the adapter of lib/drivers.mjs.
import assert from 'node:assert/strict';

export const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Polls fn(arg) in the page until it returns a truthy value, and returns that value. A page
// that is being replaced (a followed link) counts as not yet.
export async function until(b, fn, arg, what = 'condition', timeout = 5000) {
  const end = Date.now() + timeout;
  for (;;) {
    const last = await b.evaluate(fn, arg).catch((e) => ({ error: String(e && e.message).slice(0, 200) }));
    if (last && last.error) {
      if (Date.now() > end) assert.fail(`timed out waiting for ${what} (last: ${last.error})`);
      await sleep(50);
      continue;
    }
    if (last) return last;
    if (Date.now() > end) assert.fail(`timed out waiting for ${what} (last: ${JSON.stringify(last)})`);
    await sleep(25);
  }
}

export function near(actual, expected, what, tol = 1) {
  assert.ok(Math.abs(actual - expected) <= tol, `${what}: ${actual} is not within ${tol} of ${expected}`);
}

export const rgb = (hex) => {
  const n = parseInt(hex.slice(1), 16);
  return `rgb(${n >> 16}, ${(n >> 8) & 255}, ${n & 255})`;
};

export const itemRect = (b, text) => b.evaluate((t) => {
  const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
  if (!a) return null;
  const r = a.getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
}, text);

// The open box that holds the item `text`: its rectangle and its computed look.
export const boxOf = (b, text) => b.evaluate((t) => {
  const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
  const box = a && a.closest('.zm-box');
  if (!box || getComputedStyle(box).display === 'none') return null;
  const r = box.getBoundingClientRect();
  const s = getComputedStyle(box);
  return {
    left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height,
    background: s.backgroundColor, borderStyle: s.borderTopStyle, borderWidth: s.borderTopWidth,
    borderColors: [s.borderTopColor, s.borderRightColor, s.borderBottomColor, s.borderLeftColor],
    opacity: s.opacity,
  };
}, text);

export const center = (b, text) => until(b, (t) => {
  const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
  if (!a || !a.getClientRects().length) return null;
  const r = a.getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
}, text, `item ${text}`);

// Moves the mouse onto the item `text` in small steps.
export async function hover(b, text) {
  const c = await center(b, text);
  await b.move(c.x, c.y, 4);
  return c;
}

export const waitOpen = (b, text) => until(b, (t) => {
  const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
  const box = a && a.closest('.zm-box');
  return !!box && getComputedStyle(box).display !== 'none' && box.getAnimations().every((x) => x.playState !== 'running');
}, text, `box with ${text} open`);

export const waitClosed = (b, text) => until(b, (t) => {
  const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
  const box = a && a.closest('.zm-box');
  return !box || getComputedStyle(box).display === 'none';
}, text, `box with ${text} closed`);

export const style = (b, text, props) => b.evaluate(([t, p]) => {
  const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
  if (!a) return null;
  const s = getComputedStyle(a);
  return Object.fromEntries(p.map((k) => [k, s[k]]));
}, [text, props]);

// The text of the item whose link or button has the focus, or null.
export const focused = (b) => b.evaluate(() => {
  const a = document.activeElement;
  const cell = a && a.closest('.zm-item');
  return cell ? cell.textContent : null;
});

export const onButton = (b) => b.evaluate(() => document.activeElement.tagName === 'BUTTON');

// The aria-expanded of the item's disclosure button.
export const expanded = (b, text) => b.evaluate((t) => {
  const cell = [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === t);
  return (cell.closest('[aria-expanded]') || cell.querySelector('[aria-expanded]')).getAttribute('aria-expanded');
}, text);

// The centre of the first element matching `sel`.
export const centerOf = (b, sel) => until(b, (s) => {
  const e = document.querySelector(s);
  if (!e || !e.getClientRects().length) return null;
  const r = e.getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
}, sel, sel);

export const frame = (b) => b.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(() => r(true)))));
