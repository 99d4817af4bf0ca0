// Opening and closing with a real mouse, the keyboard and touch; placement at the window's
// edges and on right-to-left pages; transitions; the move spacer and floating.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { env, useBrowser, openMenu, pageUrl, hover, center, waitOpen, waitClosed, boxOf, itemRect, style, near, until, focused, expanded } from './lib/harness.mjs';

useBrowser();

const isOver = (page, text) => page.evaluate((t) => [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === t).matches('.zm-over'), text);

test('a real mouse opens submenus at their offsets, switches the over look, and leaving closes them', async () => {
  const page = await openMenu('site.js');
  assert.deepEqual(await style(page, 'Home', ['backgroundColor', 'color']), { backgroundColor: 'rgb(224, 224, 224)', color: 'rgb(0, 0, 0)' });
  await hover(page, 'Home');
  await until(page, () => getComputedStyle(document.querySelector('.zm-item')).backgroundColor === 'rgb(48, 96, 192)', null, 'Home over look');
  assert.equal(await page.evaluate(() => window.status), `${env.server.base}/index.html`, 'statusString "link"');
  assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('.zm-item')).color), 'rgb(255, 255, 255)');

  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  assert.equal(await isOver(page, 'Home'), false, 'the over look follows the pointer');
  const products = await itemRect(page, 'Products');
  const box = await boxOf(page, 'Tools');
  near(box.left, products.left + 3, 'topDX');
  near(box.top, products.bottom + 4, 'topDY');
  assert.equal(await expanded(page, 'Products'), 'true');

  // Down across the gap into the box, onto Hardware: its own box opens at DX, DY.
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  const hw = await itemRect(page, 'Hardware');
  const deep = await boxOf(page, 'Screws');
  near(deep.left, hw.right - 5, 'DX');
  near(deep.top, hw.top + 2, 'DY');
  await hover(page, 'Screws');
  await until(page, () => document.querySelector('.zm-box.zm-open .zm-item.zm-over')?.textContent === 'Screws', null, 'Screws over');
  // saveNavigationPath is 0: the items on the path show their normal look.
  assert.equal(await isOver(page, 'Hardware'), false);
  assert.equal(await isOver(page, 'Products'), false);

  // Moving to another top item switches boxes.
  await hover(page, 'Über uns – Café');
  await waitOpen(page, 'Team');
  await waitClosed(page, 'Tools');
  await waitClosed(page, 'Screws');
  assert.equal(await expanded(page, 'Products'), 'false');

  // Leaving the menu closes everything shortly after, also after a click on an item.
  const team = await hover(page, 'Team');
  await page.mouse.click(team.x, team.y, { button: 'middle' });
  await page.mouse.move(700, 500, { steps: 3 });
  await waitClosed(page, 'Team');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.zm-box.zm-open, .zm-item.zm-over').length), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('saveNavigationPath keeps the over look on the path; statusString shows link, text or custom text', async () => {
  const page = await openMenu('site.js', { saveNavigationPath: 1, statusString: '"text"' });
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  await hover(page, 'Screws');
  await until(page, () => document.querySelectorAll('.zm-item.zm-over').length === 3, null, 'three items over');
  assert.equal(await isOver(page, 'Products'), true);
  assert.equal(await isOver(page, 'Hardware'), true);
  assert.equal(await page.evaluate(() => window.status), 'Screws');
  const custom = await openMenu('site.js', { statusString: '"Pick a page"' });
  await hover(custom, 'Help');
  await until(custom, () => window.status === 'Pick a page', null, 'custom status');
  for (const p of [page, custom]) await p.close();
});

test('Escape and a click elsewhere close a box that the mouse opened', async () => {
  const page = await openMenu('site.js');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  await page.keyboard.press('Escape');
  // The pointer still rests on Products: only Escape can have closed it.
  await waitClosed(page, 'Tools');
  assert.equal(await expanded(page, 'Products'), 'false');
  await page.mouse.move(10, 10);
  await hover(page, 'Über uns – Café');
  await waitOpen(page, 'Team');
  await page.mouse.click(600, 400);
  await waitClosed(page, 'Team');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('keyboard in a vertical menu: arrows within a list, into an open submenu, and Tab leaves the menu', async () => {
  const page = await openMenu('worked.js', {}, 'preview');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'Home');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(page), 'Products');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Products', 'the last item of its list, its submenu closed');
  await page.keyboard.press('Enter');
  await waitOpen(page, 'Tools');
  assert.equal(await focused(page), 'Products', 'Enter opens the submenu and leaves the focus on its button');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Tools');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Tools', 'the first of its list');
  // Tab goes on from the last link of the open submenu out of the menu, which closes.
  await page.keyboard.press('Tab');
  await waitClosed(page, 'Tools');
  assert.equal(await focused(page), null);
  assert.equal(await expanded(page, 'Products'), 'false');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('touch: a tap on a button opens or closes its submenu, a tap on a link follows it', async () => {
  const browser = env.browser.context.browser();
  const context = browser ? await browser.newContext({ hasTouch: true }) : env.browser.context;
  const page = await openMenu('site.js', {}, 'page', context);
  const tap = async (sel) => {
    const b = await page.locator(sel).first().boundingBox();
    await page.touchscreen.tap(b.x + b.width / 2, b.y + b.height / 2);
  };
  // Über uns has a link and a submenu: its arrow is the button.
  await tap('.zm-bar > li:nth-child(4) .zm-exp');
  await waitOpen(page, 'Team');
  assert.equal(new URL(page.url()).pathname, '/page');
  await tap('.zm-bar > li > button.zm-item');
  await waitOpen(page, 'Tools');
  await waitClosed(page, 'Team');
  await tap('.zm-bar > li > button.zm-item');
  await waitClosed(page, 'Tools');
  assert.equal(await expanded(page, 'Products'), 'false');
  await Promise.all([page.waitForURL(`${env.server.base}/about.html`), tap('.zm-bar > li:nth-child(4) .zm-link')]);
  await page.close();
  if (context !== env.browser.context) await context.close();
});

test('right-to-left pages: the cascade opens to the left and the arrow keys mirror', async () => {
  const page = await openMenu('site.js', {}, 'rtl');
  const home = await itemRect(page, 'Home');
  const products = await itemRect(page, 'Products');
  assert.ok(products.right <= home.left + 0.5, 'items run right to left');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  near((await boxOf(page, 'Tools')).right, products.right - 3, 'mirrored topDX');
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  const hw = await itemRect(page, 'Hardware');
  near((await boxOf(page, 'Screws')).right, hw.left + 5, 'mirrored DX');
  const arrow = await page.evaluate(() => getComputedStyle([...document.querySelectorAll('.zm-item')].find((a) => a.textContent === 'Hardware').querySelector('.zm-arrow')).borderRightWidth);
  assert.equal(arrow, '4px', 'the drawn arrow points left');
  await page.mouse.move(900, 600);
  await waitClosed(page, 'Tools');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'Home');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Products');
  await page.keyboard.press('Enter');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Tools', 'Left goes into the open submenu');
  // Hardware has a link and a submenu: its link, then its button.
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.matches('button.zm-exp')), true);
  await page.keyboard.press(' ');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Screws');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Screws', 'Right goes back only within the list');
  await page.keyboard.press('Escape');
  assert.equal(await focused(page), 'Hardware');
  await page.close();
});

test('near the window edges a submenu opens to the other side and stays inside', async () => {
  const page = await openMenu('site.js', { isHorizontal: 0, absolutePos: 1, posX: 840, posY: 560 }, 'standard');
  assert.equal(await page.evaluate(() => document.compatMode), 'CSS1Compat');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  const item = await itemRect(page, 'Products');
  const box = await boxOf(page, 'Tools');
  const [vw, vh] = await page.evaluate(() => [document.documentElement.clientWidth, document.documentElement.clientHeight]);
  assert.ok(box.right <= item.left + 3 + 0.5, `opens to the left (${box.right} vs ${item.left})`);
  assert.ok(box.bottom <= vh + 0.5 && box.left >= 0 && box.right <= vw + 0.5, 'inside the window');
  assert.ok(item.bottom + 4 + box.height > vh, 'the box would have run off the bottom');
  await page.close();
});

test('transitions: 23 distinct effects over transDuration, random, none, and reduced motion', async () => {
  const data = [];
  for (let t = 0; t <= 24; t++) {
    const q = new URLSearchParams({ transition: t, transDuration: 250, absolutePos: 1, posX: (t % 5) * 190, posY: Math.floor(t / 5) * 120 + 20 });
    data.push(`data/worked.js?${q}`);
  }
  const url = `${env.server.base}/page?tpl=preview&${data.map((d) => 'data=' + encodeURIComponent(d)).join('&')}`;
  const page = await openMenu(url);
  assert.equal(await page.evaluate(() => document.querySelectorAll('.zm-menu').length), 25);
  const seen = [];
  for (let t = 0; t <= 24; t++) {
    const c = await page.evaluate((i) => {
      const a = document.querySelectorAll('.zm-menu')[i].querySelectorAll('.zm-item')[1];
      const r = a.getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    }, t);
    await page.mouse.move(c.x, c.y, { steps: 2 });
    const anim = await until(page, (i) => {
      const box = document.querySelectorAll('.zm-box')[i];
      if (!box || !box.matches('.zm-open')) return null;
      const a = box.getAnimations();
      if (!a.length) return { none: true };
      const frames = a[0].effect.getKeyframes().map(({ offset, computedOffset, easing, composite, ...rest }) => rest);
      return { duration: a[0].effect.getTiming().duration, frames: JSON.stringify(frames) + box.style.cssText };
    }, t, `box of menu ${t}`);
    seen.push(anim);
  }
  for (let t = 0; t <= 23; t++) assert.equal(seen[t].duration, 250, `transition ${t}`);
  assert.deepEqual(seen[24], { none: true });
  // The random dissolve and random bars differ by their grids (their cells come in a random
  // order, so only the grid and the number of frames are compared); all others by their frames.
  const kinds = seen.slice(0, 23).map((s) => {
    if (!s.frames.includes('maskImage":"url(')) return s.frames;
    const grid = s.frames.match(/viewBox%3D%22(.*?)%22/);
    return `cells:${grid ? decodeURIComponent(grid[1]) : '?'}:${(s.frames.match(/maskImage/g) || []).length}`;
  });
  assert.equal(new Set(kinds).size, 23, 'every effect differs');
  // When a transition ends the box is fully shown.
  await until(page, () => [...document.querySelectorAll('.zm-box.zm-open')].every((b) => !b.getAnimations().length), null, 'animations finished');
  const done = await page.evaluate(() => [...document.querySelectorAll('.zm-box.zm-open')].map((b) => getComputedStyle(b).clipPath + ' ' + getComputedStyle(b).maskImage));
  assert.ok(done.length >= 1);
  assert.deepEqual(new Set(done), new Set(['none none']));
  assert.deepEqual(page.errors, []);
  await page.close();

  const calm = await env.browser.context.newPage();
  await calm.emulateMedia({ reducedMotion: 'reduce' });
  await calm.goto(pageUrl('worked.js', { transition: 5, transDuration: 2000 }));
  await hover(calm, 'Products');
  await waitOpen(calm, 'Tools');
  assert.equal(await calm.evaluate(() => document.querySelector('.zm-box.zm-open').getAnimations().length), 0);
  await calm.close();
});

test('movable: the move spacer drags the menu; floatable: the menu follows the scroll', async () => {
  const page = await openMenu('site.js', { movable: 1, moveWidth: 10, moveHeight: 20, moveCursor: '"hand"' });
  const sp = await page.evaluate(() => {
    const s = document.querySelector('.zm-spacer');
    const r = s.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2, w: r.width, h: r.height, cursor: getComputedStyle(s).cursor, first: s.parentElement.firstElementChild === s };
  });
  assert.deepEqual([sp.w, sp.h, sp.cursor, sp.first], [10, 20, 'pointer', true]);
  const before = await itemRect(page, 'Home');
  await page.mouse.move(sp.x, sp.y);
  await page.mouse.down();
  await page.mouse.move(sp.x + 120, sp.y + 80, { steps: 5 });
  await page.mouse.up();
  const after = await itemRect(page, 'Home');
  near(after.left - before.left, 120, 'dragged right');
  near(after.top - before.top, 80, 'dragged down');
  await page.close();

  const fl = await openMenu('site.js', { absolutePos: 1, floatable: 1, floatIterations: 3, posX: 40, posY: 30 });
  await fl.evaluate(() => window.scrollTo(0, 600));
  await until(fl, () => Math.abs(document.querySelector('.zm-menu').getBoundingClientRect().top - 30) < 1, null, 'menu floats back to posY');
  const r = await fl.evaluate(() => document.querySelector('.zm-menu').getBoundingClientRect().left);
  assert.equal(r, 40);
  assert.deepEqual(fl.errors, []);
  await fl.close();
});
