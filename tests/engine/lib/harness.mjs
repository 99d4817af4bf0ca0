// Shared set-up of the engine tests: one server and one browser per test file.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer } from './server.mjs';
import { launch } from './browser.mjs';

export const env = { server: null, browser: null };

export function useBrowser(options) {
  before(async () => {
    env.server = await startServer();
    env.browser = await launch(options);
  });
  after(async () => {
    if (env.browser) await env.browser.close();
    if (env.server) await env.server.close();
  });
}

// The address of a page that loads the data file `data` (a fixture, with parameter
// overrides) through one of the page templates.
export function pageUrl(data, params = {}, tpl = 'page') {
  const q = new URLSearchParams(params).toString();
  const src = 'data/' + data + (q ? '?' + q : '');
  return `${env.server.base}/page?tpl=${tpl}&data=${encodeURIComponent(src)}`;
}

// A new page at that address; page.errors collects uncaught errors of the page.
export async function openMenu(data, params, tpl, context = env.browser.context) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e));
  await page.goto(typeof data === 'string' && data.startsWith('http') ? data : pageUrl(data, params, tpl));
  return page;
}

// Polls `fn` (run in the page, or in Node when `where` is null) until it returns a truthy
// value, and returns that value; fails after the deadline.
export async function until(where, fn, arg, what = 'condition', timeout = 5000) {
  const end = Date.now() + timeout;
  let last;
  for (;;) {
    last = where ? await where.evaluate(fn, arg) : await fn(arg);
    if (last) return last;
    if (Date.now() > end) assert.fail(`timed out waiting for ${what} (last: ${JSON.stringify(last)})`);
    await new Promise((r) => setTimeout(r, 25));
  }
}

export async function itemRect(page, text) {
  return page.evaluate((t) => {
    const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
    if (!a) return null;
    const r = a.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
  }, text);
}

// The open box that holds the item `text`: its rectangle and a few computed styles.
export async function boxOf(page, text) {
  return page.evaluate((t) => {
    const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
    const box = a && a.closest('.zm-box');
    if (!box || getComputedStyle(box).display === 'none') return null;
    const r = box.getBoundingClientRect();
    const s = getComputedStyle(box);
    return {
      left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height,
      role: box.getAttribute('role'), opacity: s.opacity, background: s.backgroundColor,
      borderStyle: s.borderTopStyle, borderWidth: s.borderTopWidth,
      borderColors: [s.borderTopColor, s.borderRightColor, s.borderBottomColor, s.borderLeftColor],
      shadow: s.boxShadow,
    };
  }, text);
}

export async function center(page, text) {
  const r = await until(page, (t) => {
    const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
    if (!a || !a.getClientRects().length) return null;
    const b = a.getBoundingClientRect();
    return { x: b.left + b.width / 2, y: b.top + b.height / 2 };
  }, text, `item ${text}`);
  return r;
}

// Moves the real mouse onto the item `text`, in small steps.
export async function hover(page, text) {
  const c = await center(page, text);
  await page.mouse.move(c.x, c.y, { steps: 4 });
  return c;
}

export async function waitOpen(page, text) {
  return until(page, (t) => {
    const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
    const box = a && a.closest('.zm-box');
    return !!box && getComputedStyle(box).display !== 'none' && box.getAnimations().every((x) => x.playState !== 'running');
  }, text, `box with ${text} open`);
}

export async function waitClosed(page, text) {
  return until(page, (t) => {
    const a = [...document.querySelectorAll('.zm-box .zm-item')].find((x) => x.textContent === t);
    const box = a && a.closest('.zm-box');
    return !box || getComputedStyle(box).display === 'none';
  }, text, `box with ${text} closed`);
}

export function style(page, text, props) {
  return page.evaluate(([t, p]) => {
    const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
    if (!a) return null;
    const s = getComputedStyle(a);
    return Object.fromEntries(p.map((k) => [k, s[k]]));
  }, [text, props]);
}

export function near(actual, expected, what, tol = 1) {
  assert.ok(Math.abs(actual - expected) <= tol, `${what}: ${actual} is not within ${tol} of ${expected}`);
}

// The text of the item whose link or button has the focus, or null.
export const focused = (page) => page.evaluate(() => {
  const a = document.activeElement;
  const cell = a && a.closest('.zm-item');
  return cell ? cell.textContent : null;
});
// The aria-expanded of the item's disclosure button.
export const expanded = (page, text) => page.evaluate((t) => {
  const cell = [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === t);
  return (cell.closest('[aria-expanded]') || cell.querySelector('[aria-expanded]')).getAttribute('aria-expanded');
}, text);
