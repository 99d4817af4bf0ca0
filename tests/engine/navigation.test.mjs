// Site navigation: landmark, lists and disclosure buttons; the keys; the collapsed mode of
// small windows; long submenus; hover intent; the size of the shipped file.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import zlib from 'node:zlib';
import { ENGINE } from './lib/server.mjs';
import { env, useBrowser, openMenu, pageUrl, hover, center, waitOpen, waitClosed, boxOf, itemRect, until, focused, expanded } from './lib/harness.mjs';

useBrowser();

const frame = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

test('roles and states: a nav of nested lists, disclosure buttons that follow the state, no menu roles', async () => {
  // The page's address made that of Home, so that its link is the current page.
  const page = await openMenu('site.js', { _call: 'history.replaceState(null,"","index.html");zel_init();' });
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  const tree = await page.evaluate(() => {
    const nav = document.querySelector('nav.zm-menu');
    const bar = nav.querySelector(':scope > ul.zm-bar');
    const buttons = [...nav.querySelectorAll('button:not(.zm-toggle)')].map((b) => {
      const box = document.getElementById(b.getAttribute('aria-controls'));
      return { text: b.closest('.zm-item').textContent, expanded: b.getAttribute('aria-expanded'), nested: !!box && box.parentElement === b.closest('li') };
    });
    return {
      roles: document.querySelectorAll('[role=menu],[role=menubar],[role=menuitem],[aria-haspopup]').length,
      listItems: [...bar.children].every((c) => c.tagName === 'LI'),
      // Screws lies in a list, in a box, in Hardware's list item, in a list, in a box, in
      // Products' list item of the bar.
      path: (() => {
        const chain = [];
        for (let n = [...nav.querySelectorAll('a')].find((a) => a.textContent === 'Screws'); n !== nav; n = n.parentElement) if (['UL', 'LI'].includes(n.tagName)) chain.push(n.tagName);
        return chain.join(' ');
      })(),
      buttons,
      links: [...nav.querySelectorAll('a[href]')].every((a) => !a.hasAttribute('role')),
      current: [...document.querySelectorAll('[aria-current]')].map((a) => [a.textContent, a.getAttribute('aria-current')]),
      label: nav.getAttribute('aria-label'),
    };
  });
  assert.equal(tree.roles, 0);
  assert.ok(tree.listItems && tree.links);
  assert.equal(tree.path, 'LI UL LI UL LI UL');
  assert.deepEqual(tree.buttons, [
    { text: 'Products', expanded: 'true', nested: true },
    { text: 'Hardware', expanded: 'true', nested: true },
    { text: 'Über uns – Café', expanded: 'false', nested: true },
  ]);
  assert.deepEqual(tree.current, [['Home', 'page']]);
  assert.equal(tree.label, 'Menu');
  // Leaving the menu closes the boxes and the buttons say so.
  await page.mouse.move(900, 650, { steps: 3 });
  await waitClosed(page, 'Tools');
  assert.deepEqual([await expanded(page, 'Products'), await expanded(page, 'Hardware')], ['false', 'false']);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('keyboard: Tab, Enter, Space, Escape and the arrows through three levels of a bar', async () => {
  const page = await openMenu('site.js');
  const key = async (k, expect, what) => {
    await page.keyboard.press(k);
    assert.equal(await focused(page), expect, what || `after ${k}`);
  };
  const onButton = () => page.evaluate(() => document.activeElement.tagName === 'BUTTON');
  await page.keyboard.press('Tab'); // the page's own link
  await key('Tab', 'Home');
  assert.equal(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'solid');
  assert.equal(await page.evaluate(() => document.activeElement.matches('.zm-over')), true, 'keyboard focus shows the over look');
  // Tab passes a closed submenu by.
  await key('Tab', 'Products');
  await key('Tab', 'Über uns – Café');
  await key('Tab', 'Über uns – Café');
  assert.ok(await onButton(), 'then the arrow button of the same item');
  await key('Tab', 'Help');
  await key('Home', 'Home');
  await key('End', 'Help');
  await key('ArrowLeft', 'Über uns – Café');
  await key('ArrowUp', 'Über uns – Café');
  await key('ArrowUp', 'Products');
  // Enter opens and leaves the focus on the button; the arrow goes in; Tab goes through.
  await key('Enter', 'Products');
  await waitOpen(page, 'Tools');
  assert.equal(await expanded(page, 'Products'), 'true');
  await key('ArrowDown', 'Tools');
  await key('ArrowDown', 'Hardware');
  await key('ArrowDown', 'Hardware');
  assert.ok(await onButton());
  await key(' ', 'Hardware');
  await waitOpen(page, 'Screws');
  assert.equal(await expanded(page, 'Hardware'), 'true');
  await key('Tab', 'Screws');
  await key('End', 'Nails');
  await key('ArrowDown', 'Nails', 'the last of its list');
  // Escape closes the innermost submenu and returns to its button, then the next one.
  await key('Escape', 'Hardware');
  await waitClosed(page, 'Screws');
  assert.equal(await expanded(page, 'Hardware'), 'false');
  assert.ok(await onButton());
  await key('Tab', 'Software');
  // Tab out of the submenu onto the next top item closes it.
  await key('Tab', 'Über uns – Café');
  await waitClosed(page, 'Tools');
  assert.equal(await expanded(page, 'Products'), 'false');
  // Space toggles a button: open, then closed.
  await key('Shift+Tab', 'Products');
  await key(' ', 'Products');
  await waitOpen(page, 'Tools');
  await key(' ', 'Products');
  await waitClosed(page, 'Tools');
  await key('Enter', 'Products');
  await key('Tab', 'Tools');
  await key('Escape', 'Products');
  await waitClosed(page, 'Tools');
  // Enter on a link follows it.
  await key('End', 'Help');
  await Promise.all([page.waitForURL(`${env.server.base}/help/index.html`), page.keyboard.press('Enter')]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('small windows: a bar that does not fit collapses behind Menu, opens in place, and is a bar again when wide', async () => {
  const page = await env.browser.context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e));
  await page.setViewportSize({ width: 375, height: 700 });
  await page.goto(pageUrl('site.js', { itemPadding: 10 }));
  const state = () => page.evaluate(() => {
    const nav = document.querySelector('.zm-menu');
    const tg = nav.querySelector('.zm-toggle');
    const bar = nav.querySelector('.zm-bar');
    const r = tg.getBoundingClientRect();
    return {
      collapsed: nav.matches('.zm-collapsed'), toggle: tg.getClientRects().length ? tg.textContent : null, expanded: tg.getAttribute('aria-expanded'),
      controls: tg.getAttribute('aria-controls') === bar.id, barShown: bar.getClientRects().length > 0, toggleH: r.height,
      lines: getComputedStyle(tg.querySelector('.zm-burger')).borderTopStyle,
    };
  });
  const narrow = await until(page, () => document.querySelector('.zm-menu.zm-collapsed') && true, null, 'collapsed');
  assert.ok(narrow);
  let s = await state();
  assert.deepEqual([s.toggle, s.expanded, s.controls, s.barShown, s.lines], ['Menu', 'false', true, false, 'solid']);
  assert.ok(s.toggleH >= 44, `toggle ${s.toggleH} px tall`);
  // In the page's flow: the table after the menu moves down when the list shows.
  const tableTop = () => page.evaluate(() => document.querySelector('table').getBoundingClientRect().top);
  const before = await tableTop();
  await page.click('.zm-toggle');
  s = await state();
  assert.deepEqual([s.expanded, s.barShown], ['true', true]);
  const shown = await tableTop();
  assert.ok(shown > before + 4 * 44, 'the list pushes the page down');
  const rows = await page.evaluate(() => [...document.querySelectorAll('.zm-bar > li > .zm-item')].map((a) => {
    const r = a.getBoundingClientRect();
    return { left: r.left, top: r.top, h: r.height, bg: getComputedStyle(a).backgroundColor, font: getComputedStyle(a).fontFamily };
  }));
  assert.ok(rows.every((r, i) => r.h >= 44 && (i === 0 || r.top > rows[i - 1].top)), 'one column of items at least 44 px tall');
  assert.deepEqual(rows.slice(0, 2).map((r) => [r.font, r.bg]), [['Arial, sans-serif', 'rgb(224, 224, 224)'], ['Verdana, sans-serif', 'rgb(192, 208, 255)']], 'the menu keeps its looks');
  // A submenu opens in place below its item, indented, and moves the next item down.
  const help = (await itemRect(page, 'Help')).top;
  await page.click('.zm-bar > li > button.zm-item');
  await waitOpen(page, 'Tools');
  const products = await itemRect(page, 'Products');
  const box = await boxOf(page, 'Tools');
  assert.ok(box.top >= products.bottom - 0.5 && box.left > products.left, 'below and indented');
  assert.ok((await itemRect(page, 'Help')).top > help + 44, 'the list grows');
  assert.ok((await itemRect(page, 'Tools')).height >= 44);
  // Hovering does not close it; a second press does.
  await hover(page, 'Home');
  await page.mouse.move(360, 690);
  await frame(page);
  assert.ok(await boxOf(page, 'Tools'), 'still open');
  await page.click('.zm-bar > li > button.zm-item');
  await waitClosed(page, 'Tools');
  await page.click('.zm-toggle');
  assert.equal((await state()).barShown, false);
  // Wide again: a bar, no toggle; and narrow once more: collapsed.
  await page.setViewportSize({ width: 1280, height: 700 });
  await until(page, () => !document.querySelector('.zm-menu.zm-collapsed'), null, 'a bar again');
  s = await state();
  assert.deepEqual([s.toggle, s.barShown], [null, true]);
  const bar = await Promise.all(['Home', 'Help'].map((t) => itemRect(page, t)));
  assert.equal(bar[0].top, bar[1].top, 'one row');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  await page.setViewportSize({ width: 375, height: 700 });
  await until(page, () => !!document.querySelector('.zm-menu.zm-collapsed'), null, 'collapsed again');
  assert.equal(await expanded(page, 'Products'), 'false');
  assert.deepEqual(page.errors, []);
  await page.close();

  // A bar as wide as the page (menuWidth 100%) whose items spill out of it collapses too.
  const full = await env.browser.context.newPage();
  await full.setViewportSize({ width: 375, height: 700 });
  await full.goto(pageUrl('site.js', { itemPadding: 10, menuWidth: '"100%"' }));
  await until(full, () => !!document.querySelector('.zm-menu.zm-collapsed'), null, 'a full-width bar collapsed');
  await full.close();
});

test('a 60-item submenu in a 600 px window is capped, scrolls by wheel and by keyboard focus, and stays inside', async () => {
  const page = await env.browser.context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e));
  await page.setViewportSize({ width: 1000, height: 600 });
  const items = '[["Home","index.html"],["Long",""]].concat(Array.from({length:60},(_,i)=>["|Page "+(i+1),"p"+(i+1)+".html"]),[["||Deep","deep.html"]])';
  await page.goto(pageUrl('site.js', { menuItems: items }));
  await hover(page, 'Long');
  await waitOpen(page, 'Page 1');
  const geo = () => page.evaluate(() => {
    const box = [...document.querySelectorAll('.zm-box.zm-open')][0];
    const list = box.querySelector('.zm-list');
    const r = box.getBoundingClientRect();
    return { top: r.top, bottom: r.bottom, scroll: list.scrollTop, overflow: list.scrollHeight > list.clientHeight, vh: document.body.clientHeight };
  });
  const g = await geo();
  const long = await itemRect(page, 'Long');
  assert.ok(g.overflow, 'the list scrolls');
  assert.ok(g.top >= long.bottom && g.bottom <= g.vh + 0.5, `inside the window below its item (${g.top}..${g.bottom})`);
  // The wheel scrolls the list, not the page.
  const c = await center(page, 'Page 3');
  await page.mouse.move(c.x, c.y);
  await page.mouse.wheel(0, 400);
  await until(page, () => document.querySelector('.zm-box.zm-open .zm-list').scrollTop > 0, null, 'list scrolled');
  assert.equal(await page.evaluate(() => window.scrollY), 0);
  // The keyboard reaches the last item, which is scrolled into view inside the window.
  await page.mouse.move(c.x, c.y - 300);
  await page.locator('.zm-bar > li > button.zm-item').focus();
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('End');
  assert.equal(await focused(page), 'Page 60');
  const last = await until(page, () => {
    const a = document.activeElement.getBoundingClientRect();
    const l = document.activeElement.closest('.zm-list').getBoundingClientRect();
    return a.top >= l.top - 0.5 && a.bottom <= l.bottom + 0.5 && { bottom: a.bottom };
  }, null, 'Page 60 in view');
  assert.ok(last.bottom <= g.vh);
  // Its submenu opens beside it, outside the list's scrolling.
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await waitOpen(page, 'Deep');
  const deep = await page.evaluate(() => {
    const a = [...document.querySelectorAll('.zm-item')].find((x) => x.textContent === 'Deep');
    const r = a.getBoundingClientRect();
    return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2) === a.closest('.zm-item') || a.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
  });
  assert.ok(deep, 'the deeper box is visible, not clipped by the scrolled list');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('hover intent: a slow diagonal path across a neighbour keeps the open submenu; resting on the neighbour switches', async () => {
  // Hardware's box opens 30 px lower, beside Software: the way to it crosses Software.
  const page = await openMenu('site.js', { DY: 30 });
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  await page.evaluate(() => {
    const box = [...document.querySelectorAll('.zm-box')].find((b) => b.textContent === 'ScrewsNails');
    window.closedOnce = false;
    new MutationObserver(() => {
      if (!box.matches('.zm-open')) window.closedOnce = true;
    }).observe(box, { attributes: true });
  });
  const hw = await itemRect(page, 'Hardware');
  const sw = await itemRect(page, 'Software');
  const screws = await center(page, 'Screws');
  const from = { x: hw.left + 8, y: hw.top + hw.height / 2 };
  await page.mouse.move(from.x, from.y);
  let crossed = 0;
  for (let i = 1; i <= 24; i++) {
    const x = from.x + ((screws.x - from.x) * i) / 24;
    const y = from.y + ((screws.y - from.y) * i) / 24;
    await page.mouse.move(x, y);
    if (y > sw.top && y < sw.bottom && x < sw.right) crossed++;
    await frame(page);
  }
  assert.ok(crossed >= 3, `the path crosses Software (${crossed} steps)`);
  await until(page, () => document.querySelector('.zm-box.zm-open .zm-item.zm-over')?.textContent === 'Screws', null, 'Screws hovered');
  assert.equal(await page.evaluate(() => window.closedOnce), false, 'the box never closed on the way');
  // Resting on the neighbour switches to it after all.
  const s = await center(page, 'Software');
  await page.mouse.move(s.x - 20, s.y, { steps: 6 });
  await waitClosed(page, 'Screws');
  assert.deepEqual(page.errors, []);
  await page.close();
});

// 12 kB in decimal kilobytes: 12,000 bytes at gzip's best compression.
test('the shipped engine is minified and at most 12 kB gzipped', () => {
  const text = fs.readFileSync(ENGINE);
  const gz = zlib.gzipSync(text, { level: 9 }).length;
  assert.ok(gz <= 12000, `${ENGINE}: ${gz} bytes gzipped at level 9 (${text.length} bytes raw), over the 12,000-byte limit`);
  assert.ok(text.toString().split('\n').length < 10, 'minified, not the readable source');
});
