// zel_initFrame: the top menu in one frame of a frameset, its submenus in another, served
// over loopback HTTP.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { env, useBrowser, until, near } from './lib/harness.mjs';

useBrowser();

async function frameset(file) {
  const page = await env.browser.context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e));
  await page.goto(`${env.server.base}/frames/${file}`);
  const top = page.frame({ name: 'frm1' });
  const sub = page.frame({ name: 'frm2' });
  await top.waitForSelector('.zm-item');
  await sub.waitForLoadState('load');
  return { page, top, sub };
}

const item = (frame, text) => frame.locator('.zm-item', { hasText: text }).first();

// Moves the real mouse onto an item in either frame (page coordinates).
async function hover(page, frame, text) {
  const b = await item(frame, text).boundingBox();
  await page.mouse.move(b.x + b.width / 2, b.y + b.height / 2, { steps: 4 });
}

const rect = (frame, text) => frame.evaluate((t) => {
  const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === t);
  const r = a.getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
}, text);

// The open box holding `text` in this frame's document, or null.
const openBox = (frame, text) => frame.evaluate((t) => {
  const a = [...document.querySelectorAll('.zm-box.zm-open .zm-item')].find((x) => x.textContent === t);
  if (!a) return null;
  const r = a.closest('.zm-box').getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
}, text);

test('rows: submenus open at the top edge of the content frame, follow the mouse and close', async () => {
  const { page, top, sub } = await frameset('index.html');
  assert.deepEqual(await top.evaluate(() => [...document.querySelectorAll('.zm-bar > li > .zm-item')].map((a) => a.textContent)), ['Home', 'Products', 'About']);
  await hover(page, top, 'Products');
  const box = await until(sub, () => {
    const b = document.querySelector('.zm-box.zm-open');
    return b && b.textContent.includes('Tools') && JSON.parse(JSON.stringify(b.getBoundingClientRect()));
  }, null, 'box in the content frame');
  const products = await rect(top, 'Products');
  near(box.left, products.left + 3, 'in line with the item, plus topDX');
  near(box.top, 4, 'at the frame top, plus topDY');
  assert.equal(await top.evaluate(() => document.querySelectorAll('.zm-box.zm-open').length), 0, 'no open box in the top frame');
  assert.equal(await item(top, 'Products').getAttribute('aria-expanded'), 'true');

  // Into the other frame: the box stays, Hardware opens its own box beside it.
  await hover(page, sub, 'Hardware');
  await until(sub, () => !!document.querySelector('.zm-box.zm-open .zm-item.zm-over'), null, 'over look in the frame');
  const deep = await until(sub, () => {
    const a = [...document.querySelectorAll('.zm-box.zm-open .zm-item')].find((x) => x.textContent === 'Screws');
    return a && JSON.parse(JSON.stringify(a.closest('.zm-box').getBoundingClientRect()));
  }, null, 'second level');
  const hw = await rect(sub, 'Hardware');
  near(deep.left, hw.right - 5, 'DX');
  near(deep.top, hw.top + 2, 'DY');

  // A link in the content frame: its address is relative to the menu's page.
  assert.equal(await item(sub, 'Screws').getAttribute('href'), `${env.server.base}/frames/content.html#screws`);

  // Leaving both frames' menus closes everything.
  const frameBox = await page.locator('#frm2').boundingBox();
  await page.mouse.move(frameBox.x + frameBox.width - 20, frameBox.y + frameBox.height - 20, { steps: 4 });
  await until(sub, () => !document.querySelector('.zm-box.zm-open'), null, 'boxes closed');
  assert.equal(await item(top, 'Products').getAttribute('aria-expanded'), 'false');

  // After the content frame loads another page, the boxes are drawn in the new document.
  await sub.goto(`${env.server.base}/frames/content.html?again`);
  await hover(page, top, 'About');
  await until(sub, () => !!document.querySelector('.zm-box.zm-open') && location.search === '?again', null, 'box in the new document');
  assert.ok(await openBox(sub, 'Team'));
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('keyboard focus crosses into the submenu frame and back', async () => {
  const { page, top, sub } = await frameset('index.html');
  await item(top, 'Products').focus();
  await page.keyboard.press('Enter');
  await page.keyboard.press('ArrowDown');
  const active = (f) => f.evaluate(() => {
    const a = document.hasFocus() && document.activeElement.closest('.zm-item');
    return a ? a.textContent : null;
  });
  await until(null, async () => (await active(sub)) === 'Tools', null, 'focus on Tools in the content frame');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown'); // Hardware is the last of its list: it stays
  await page.keyboard.press('Enter');
  await page.keyboard.press('ArrowRight');
  await until(null, async () => (await active(sub)) === 'Screws', null, 'focus on Screws');
  await page.keyboard.press('Escape');
  await until(null, async () => (await active(sub)) === 'Hardware', null, 'back on Hardware');
  await page.keyboard.press('Escape');
  await until(null, async () => (await active(top)) === 'Products', null, 'back in the top frame');
  await until(sub, () => !document.querySelector('.zm-box.zm-open'), null, 'closed');
  await page.close();
});

test('cols: a vertical menu opens its submenus at the left edge of the content frame', async () => {
  const { page, top, sub } = await frameset('cols.html');
  await hover(page, top, 'About');
  const box = await until(sub, (t) => {
    const b = [...document.querySelectorAll('.zm-box.zm-open')].find((x) => x.textContent === t);
    return b && JSON.parse(JSON.stringify(b.getBoundingClientRect()));
  }, 'Team', 'box in the content frame');
  const about = await rect(top, 'About');
  near(box.left, 3, 'at the frame edge, plus topDX');
  near(box.top, about.top + 4, 'in line with the item, plus topDY');
  assert.deepEqual(page.errors, []);
  await page.close();
});
