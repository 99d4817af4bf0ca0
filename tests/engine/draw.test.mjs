// What the engine draws from a data file: items, links, looks, boxes and bad input.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { env, useBrowser, openMenu, hover, waitOpen, boxOf, itemRect, style, near, until } from './lib/harness.mjs';

useBrowser();

const rgb = (hex) => {
  const n = parseInt(hex.slice(1), 16);
  return `rgb(${n >> 16}, ${(n >> 8) & 255}, ${n & 255})`;
};

const items = (page, sel = '.zm-item') =>
  page.evaluate((s) => [...document.querySelectorAll(s)].map((cell) => ({ cell, a: cell.closest('a') || cell.querySelector('a') })).map(({ cell, a }) => ({
    text: cell.textContent, href: a && a.getAttribute('href') && a.href, target: a && a.target, title: cell.title,
    role: cell.getAttribute('role'), expanded: (cell.closest('[aria-expanded]') || cell.querySelector('[aria-expanded]'))?.getAttribute('aria-expanded') ?? null,
  })), sel);

test('the worked example draws in place with its texts, links, tips and targets', async () => {
  const page = await openMenu('worked.js');
  const base = env.server.base;
  const bar = await items(page, '.zm-bar > li > .zm-item');
  assert.deepEqual(bar.map((i) => i.text), ['Home', 'Products']);
  assert.equal(bar[0].href, `${base}/index.html`);
  assert.equal(bar[0].title, 'Start page');
  assert.equal(bar[1].href, null);
  assert.equal(bar[1].expanded, 'false');
  // In place: right after the element that loaded the data file, before the table after it.
  const order = await page.evaluate(() => {
    const menu = document.querySelector('.zm-menu');
    const prev = menu.previousElementSibling;
    return [prev.tagName, prev.getAttribute('src'), menu.nextElementSibling.tagName, getComputedStyle(menu).position];
  });
  assert.deepEqual(order, ['SCRIPT', 'data/worked.js', 'NOSCRIPT', 'static']);
  // The vertical default: Products below Home.
  const home = await itemRect(page, 'Home');
  const products = await itemRect(page, 'Products');
  near(products.left, home.left, 'column');
  assert.ok(products.top >= home.bottom - 0.5);
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  const tools = (await items(page, '.zm-box .zm-item'))[0];
  assert.deepEqual([tools.text, tools.href, tools.target], ['Tools', `${base}/tools.html`, '_blank']);
  // The item style: bold 10pt Verdana, #000000 on #E0E0E0; the submenu style's box.
  const s = await style(page, 'Home', ['fontWeight', 'fontSize', 'fontFamily', 'color']);
  assert.deepEqual(s, { fontWeight: '700', fontSize: `${(10 * 4) / 3}px`.replace(/(\.\d{4})\d+/, '$1'), fontFamily: 'Verdana, sans-serif', color: rgb('#000000') }, JSON.stringify(s));
  const box = await boxOf(page, 'Tools');
  assert.deepEqual([box.background, box.borderStyle, box.borderWidth, box.borderColors[0]], [rgb('#FFFFFF'), 'solid', '1px', rgb('#808080')]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('site menu: a horizontal bar with UTF-8 texts, icons, arrows, separators and links', async () => {
  const page = await openMenu('site.js');
  const base = env.server.base;
  const bar = await items(page, '.zm-bar > li > .zm-item');
  assert.deepEqual(bar.map((i) => i.text), ['Home', 'Products', 'Über uns – Café', 'Help']);
  assert.equal(bar[2].href, `${base}/about.html`);
  assert.equal(bar[3].href, `${base}/help/index.html`);
  const r = await Promise.all(['Home', 'Products', 'Help'].map((t) => itemRect(page, t)));
  near(r[1].top, r[0].top, 'one row');
  // itemSpacing 1 around and between the cells, itemPadding 4 inside them.
  const cells = await page.evaluate(() => {
    const bar = document.querySelector('.zm-bar');
    const s = getComputedStyle(bar);
    return [s.paddingTop, s.columnGap, getComputedStyle(bar.querySelector('.zm-item')).paddingLeft];
  });
  assert.deepEqual(cells, ['1px', '1px', '4px']);
  assert.ok(r[1].left >= r[0].right && r[2].left > r[1].right);
  // A vertical separator between Products and Über uns, as tall as the bar's items.
  const sep = await page.evaluate(() => {
    const s = document.querySelector('.zm-bar > .zm-sep');
    const bar = s.getBoundingClientRect();
    const line = s.firstElementChild.getBoundingClientRect();
    return { orient: s.querySelector('[role=separator]').getAttribute('aria-orientation'), prev: s.previousElementSibling.textContent, w: line.width, h: line.height, rowH: bar.height, bg: getComputedStyle(s.firstElementChild).backgroundColor };
  });
  assert.deepEqual([sep.orient, sep.prev, sep.w, sep.bg], ['vertical', 'Products', 1, rgb('#000000')]);
  near(sep.h, sep.rowH, 'separator height');
  // Top icon 12x12, no over image: stays; drawn arrows on items with submenus only.
  const icon = await page.evaluate(() => {
    const img = document.querySelector('.zm-bar > li > .zm-item img.zm-icon');
    return { src: img.src, w: img.getBoundingClientRect().width, h: img.getBoundingClientRect().height, item: img.parentElement.textContent };
  });
  assert.deepEqual(icon, { src: `${base}/img/home.svg`, w: 12, h: 12, item: 'Home' });
  const arrows = await page.evaluate(() => [...document.querySelectorAll('.zm-bar > li > .zm-item')].map((a) => {
    const ar = a.querySelector('.zm-arrow');
    return ar ? getComputedStyle(ar).borderTopWidth + ' ' + getComputedStyle(ar).borderTopColor : null;
  }));
  assert.deepEqual(arrows, [null, `4px ${rgb('#000080')}`, `4px ${rgb('#000000')}`, null]);
  // The submenu: a horizontal separator across the box, sub icons 16x16 with an over image.
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  const sub = await page.evaluate(() => {
    const box = [...document.querySelectorAll('.zm-box')].find((b) => b.textContent.includes('Tools'));
    const sep = box.querySelector('.zm-sep > [role=separator]');
    const line = sep.getBoundingClientRect();
    const item = box.querySelector('.zm-item').getBoundingClientRect();
    const img = box.querySelector('img.zm-icon');
    const arrow = [...box.querySelectorAll('.zm-item')].find((a) => a.textContent === 'Hardware').querySelector('.zm-arrow');
    return { orient: sep.getAttribute('aria-orientation'), lineW: line.width, lineH: line.height, itemW: item.width,
      img: [img.getBoundingClientRect().width, img.getBoundingClientRect().height, img.src],
      arrow: getComputedStyle(arrow).borderLeftWidth, noArrow: !box.querySelector('.zm-item').querySelector('.zm-arrow') };
  });
  assert.equal(sub.orient, 'horizontal');
  near(sub.lineW, sub.itemW, 'separator spans the box');
  assert.equal(sub.lineH, 1);
  assert.deepEqual(sub.img, [16, 16, `${base}/img/tools.svg`]);
  const texts = await page.evaluate(() => [...document.querySelectorAll('.zm-box.zm-open .zm-text')].map((t) => t.getBoundingClientRect().left));
  assert.equal(new Set(texts).size, 1, 'texts in line beside an icon');
  assert.deepEqual([sub.arrow, sub.noArrow], ['4px', true]);
  await hover(page, 'Tools');
  await until(page, () => document.querySelector('.zm-box img.zm-icon').src.endsWith('/img/tools-over.svg'), null, 'over icon');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('item styles and submenu styles override the globals, menuBorderColor and transparency apply', async () => {
  const page = await openMenu('site.js', { transparency: 60, shadowLen: 3, shadowColor: '"#102030"' });
  // Global look on Home, item style 0 on Products.
  assert.deepEqual(await style(page, 'Home', ['color', 'backgroundColor', 'fontFamily', 'textDecorationLine']),
    { color: rgb('#000000'), backgroundColor: rgb('#E0E0E0'), fontFamily: 'Arial, sans-serif', textDecorationLine: 'none' });
  assert.deepEqual(await style(page, 'Products', ['color', 'backgroundColor', 'fontFamily', 'fontWeight']),
    { color: rgb('#000080'), backgroundColor: rgb('#C0D0FF'), fontFamily: 'Verdana, sans-serif', fontWeight: '700' });
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  assert.deepEqual(await style(page, 'Products', ['color', 'backgroundColor']), { color: rgb('#FFFF00'), backgroundColor: rgb('#000080') });
  // Submenu style 0 on the Products box: double green border 3px on #FFFFE0; transparency, shadow.
  const box = await boxOf(page, 'Tools');
  assert.deepEqual([box.background, box.borderStyle, box.borderWidth, box.borderColors[0], box.opacity], [rgb('#FFFFE0'), 'double', '3px', rgb('#008000'), '0.6']);
  assert.equal(box.shadow, `${rgb('#102030')} 3px 3px 0px 0px`);
  // Submenu style 1 sets only the back colour: the global four border colours stay.
  await hover(page, 'Hardware');
  await waitOpen(page, 'Screws');
  const hw = await boxOf(page, 'Screws');
  assert.deepEqual([hw.background, hw.borderStyle, hw.borderWidth], [rgb('#E0FFE0'), 'solid', '2px']);
  assert.deepEqual(hw.borderColors, ['#C0C0C0', '#C0C0C0', '#808080', '#808080'].map(rgb));
  // Item style 1 on Nails: underlined, 2px dashed red; over: no underline, solid green.
  assert.deepEqual(await style(page, 'Nails', ['textDecorationLine', 'borderTopStyle', 'borderTopWidth', 'borderTopColor', 'color']),
    { textDecorationLine: 'underline', borderTopStyle: 'dashed', borderTopWidth: '2px', borderTopColor: rgb('#FF0000'), color: rgb('#000000') });
  await hover(page, 'Nails');
  await until(page, () => [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === 'Nails').matches('.zm-over'), null, 'Nails over');
  assert.deepEqual(await style(page, 'Nails', ['textDecorationLine', 'borderTopStyle', 'borderTopColor', 'color', 'backgroundColor']),
    { textDecorationLine: 'none', borderTopStyle: 'solid', borderTopColor: rgb('#00FF00'), color: rgb('#FFFFFF'), backgroundColor: rgb('#3060C0') });
  // A box without a submenu style gets the global box look.
  await hover(page, 'Über uns – Café');
  await waitOpen(page, 'Team');
  const about = await boxOf(page, 'Team');
  assert.deepEqual([about.background, about.borderWidth, about.opacity], [rgb('#FFFFFF'), '2px', '0.6']);
  assert.deepEqual(about.borderColors, ['#C0C0C0', '#C0C0C0', '#808080', '#808080'].map(rgb));
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('parameters: absolute position, width, pathPrefix, itemTarget, separator and arrow images', async () => {
  const page = await openMenu('site.js', {
    absolutePos: 1, posX: 300, posY: 200, menuWidth: '"600"', pathPrefix: '"sub/"', itemTarget: '"_top"',
    separatorImage: '"img/line.svg"', separatorWidth: '"50%"', separatorHeight: '"4"', separatorAlignment: '"right"',
    separatorVImage: '"img/vline.svg"', separatorVWidth: '"3"', separatorVHeight: '"50%"',
    arrowImageSub: '["img/arr.svg","img/arr-over.svg"]', arrowWidth: 7, arrowHeight: 9, itemAlign: '"center"', itemCursor: '"hand"', subMenuAlign: '"right"',
  });
  const base = env.server.base;
  const wrap = await page.evaluate(() => {
    const r = document.querySelector('.zm-menu').getBoundingClientRect();
    return [r.left, r.top, r.width, getComputedStyle(document.querySelector('.zm-menu')).position];
  });
  assert.deepEqual(wrap, [300, 200, 600, 'absolute']);
  const bar = await items(page, '.zm-bar > li > .zm-item');
  assert.equal(bar[0].href, `${base}/sub/index.html`);
  assert.equal(bar[0].target, '_top');
  assert.equal(bar[3].href, `${base}/help/index.html`, 'a rooted link keeps its path');
  assert.equal(await page.evaluate(() => document.querySelector('img.zm-icon').src), `${base}/sub/img/home.svg`);
  // With a width the items share the bar; centred text.
  const widths = await page.evaluate(() => {
    const as = [...document.querySelectorAll('.zm-bar > li > .zm-item')];
    const t = as[0].querySelector('.zm-text');
    return { sum: as.reduce((s, a) => s + a.getBoundingClientRect().width, 0), align: getComputedStyle(t).textAlign, cursor: getComputedStyle(as[0]).cursor };
  });
  assert.ok(widths.sum > 500, `items fill the bar (${widths.sum})`);
  assert.equal(widths.align, 'center');
  assert.equal(widths.cursor, 'pointer', 'the cursor name "hand"');
  const vsep = await page.evaluate(() => {
    const s = document.querySelector('.zm-bar > .zm-sep');
    const img = s.querySelector('[role=separator]');
    return { tag: img.tagName, src: img.src, w: img.getBoundingClientRect().width, h: img.getBoundingClientRect().height, rowH: s.getBoundingClientRect().height };
  });
  assert.deepEqual([vsep.tag, vsep.src, vsep.w], ['IMG', `${base}/sub/img/vline.svg`, 3]);
  near(vsep.h, vsep.rowH / 2, 'half the row');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  const sub = await page.evaluate(() => {
    const box = [...document.querySelectorAll('.zm-box')].find((b) => b.textContent.includes('Tools'));
    const s = box.querySelector('.zm-sep');
    const img = s.querySelector('[role=separator]');
    const sr = s.getBoundingClientRect();
    const ir = img.getBoundingClientRect();
    const cs = getComputedStyle(s);
    const hw = [...box.querySelectorAll('.zm-item')].find((a) => a.textContent === 'Hardware');
    const arrow = hw.querySelector('img.zm-arrow');
    const ar = arrow.getBoundingClientRect();
    return { tag: img.tagName, w: ir.width, inner: sr.width - parseFloat(cs.paddingLeft) - parseFloat(cs.paddingRight), h: ir.height, rightGap: sr.right - parseFloat(cs.paddingRight) - ir.right, arrow: [arrow.src, ar.width, ar.height], tools: box.querySelector('.zm-item').target,
      align: getComputedStyle(box.querySelector('.zm-text')).textAlign };
  });
  assert.equal(sub.align, 'right', 'subMenuAlign');
  assert.equal(sub.tag, 'IMG');
  near(sub.w, sub.inner / 2, 'half the box');
  assert.equal(sub.h, 4);
  near(sub.rightGap, 0, 'aligned right');
  assert.deepEqual(sub.arrow, [`${base}/sub/img/arr.svg`, 7, 9]);
  assert.equal(sub.tools, '_blank', "the item's own target wins over itemTarget");
  await hover(page, 'Hardware');
  await until(page, () => document.querySelector('.zm-box img.zm-arrow').src.endsWith('/arr-over.svg'), null, 'over arrow');
  // Percent width.
  const pct = await openMenu('site.js', { menuWidth: '"50%"' });
  const w = await pct.evaluate(() => [document.querySelector('.zm-menu').getBoundingClientRect().width, document.body.getBoundingClientRect().width]);
  near(w[0], w[1] / 2, '50% of the body');
  assert.deepEqual(page.errors.concat(pct.errors), []);
  await pct.close();
  await page.close();
});

test('the page\'s own styles for links and buttons leave the items as they are; every engine rule ends in one of its classes', async () => {
  const page = await openMenu('site.js');
  await hover(page, 'Products');
  await waitOpen(page, 'Tools');
  const looks = () => page.evaluate(() => [...document.querySelectorAll('.zm-item, .zm-link, .zm-exp')].map((e) => {
    const s = getComputedStyle(e);
    return [e.textContent, s.color, s.backgroundColor, s.borderTopWidth, s.borderTopLeftRadius, s.fontSize, s.paddingTop, s.marginTop, s.outlineStyle].join(' ');
  }));
  const before = await looks();
  // After the engine's sheets, so that it wins ties.
  await page.addStyleTag({ content: 'a,button{color:rgb(0,128,0);background:rgb(255,0,0);border:5px dotted blue;border-radius:9px;font-size:30px;padding:20px;margin:7px;outline:3px solid red}' });
  assert.deepEqual(await looks(), before);
  // A rule whose last part names no class would be matched against every element of the page
  // (the rules inside a media query too).
  const stray = await page.evaluate(() => [...document.querySelectorAll('style[data-zelmenu]')]
    .flatMap((st) => [...st.sheet.cssRules].flatMap((r) => (r.cssRules ? [...r.cssRules] : [r])).flatMap((r) => r.selectorText.split(',')))
    .filter((sel) => !sel.trim().split(/[\s>+~]+/).pop().includes('.')));
  assert.deepEqual(stray, []);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('pressedItem: a default pressed item, and toggle mode keeps the last clicked top item pressed', async () => {
  const page = await openMenu('site.js', { pressedItem: 4 });
  assert.deepEqual(await style(page, 'Help', ['backgroundColor', 'color']), { backgroundColor: rgb('#3060C0'), color: rgb('#FFFFFF') });
  assert.equal(await page.evaluate(() => document.querySelector('[aria-current]').textContent), 'Help');
  assert.deepEqual(await style(page, 'Home', ['backgroundColor']), { backgroundColor: rgb('#E0E0E0') });
  const off = await openMenu('site.js');
  assert.deepEqual(await style(off, 'Help', ['backgroundColor']), { backgroundColor: rgb('#E0E0E0') });
  const toggle = await openMenu('site.js', { pressedItem: -1 });
  assert.equal(await toggle.evaluate(() => document.querySelectorAll('[aria-current]').length), 0);
  const c = await hover(toggle, 'Products');
  await toggle.mouse.click(c.x, c.y);
  await toggle.mouse.move(900, 650, { steps: 3 });
  await until(toggle, () => !document.querySelector('.zm-box.zm-open'), null, 'closed');
  assert.deepEqual(await style(toggle, 'Products', ['backgroundColor']), { backgroundColor: rgb('#000080') });
  assert.equal(await toggle.evaluate(() => document.querySelector('[aria-current]').textContent), 'Products');
  for (const p of [page, off, toggle]) await p.close();
});

test('missing and malformed globals fall back to the defaults and the menu still draws', async () => {
  const page = await openMenu('missing.js');
  assert.deepEqual((await items(page)).map((i) => i.text), ['Alpha', 'Beta']);
  assert.deepEqual(await style(page, 'Alpha', ['fontSize', 'fontFamily', 'fontWeight']), { fontSize: '10.6667px', fontFamily: 'Tahoma, sans-serif', fontWeight: '400' });
  await hover(page, 'Alpha');
  await waitOpen(page, 'Alpha child');
  near((await boxOf(page, 'Alpha child')).left, (await itemRect(page, 'Alpha')).right, 'default topDX of 0');
  await hover(page, 'Alpha child');
  await waitOpen(page, 'Alpha grandchild');
  near((await boxOf(page, 'Alpha grandchild')).left, (await itemRect(page, 'Alpha child')).right - 5, 'default DX of -5');
  assert.deepEqual(page.errors, []);

  const bad = await openMenu('broken.js');
  const bar = await items(bad, '.zm-bar > li > .zm-item');
  assert.deepEqual(bar.map((i) => i.text), ['Alpha', '42', 'Omega']);
  assert.equal(await bad.evaluate(() => document.querySelectorAll('.zm-bar > .zm-sep > [role=separator]').length), 1);
  assert.deepEqual(await style(bad, 'Alpha', ['fontSize', 'fontFamily', 'cursor', 'borderTopStyle']), { fontSize: '10.6667px', fontFamily: 'Tahoma, sans-serif', cursor: 'default', borderTopStyle: 'none' });
  await hover(bad, 'Alpha');
  await waitOpen(bad, 'Deep first');
  const box = await boxOf(bad, 'Deep first');
  assert.equal(box.opacity, '1');
  await hover(bad, 'Deep first');
  await waitOpen(bad, 'Deeper');
  near((await boxOf(bad, 'Deeper')).left, (await itemRect(bad, 'Deep first')).right - 5, 'DX undefined gives -5');
  near((await boxOf(bad, 'Deeper')).top, (await itemRect(bad, 'Deep first')).top, 'DY NaN gives 0');
  await hover(bad, '42');
  await waitOpen(bad, 'Forty-two child');
  await hover(bad, 'Forty-two child');
  await until(bad, () => getComputedStyle([...document.querySelectorAll('.zm-item')].find((a) => a.textContent === 'Forty-two child')).color === 'rgb(255, 0, 0)', null, 'the usable half of a style pair');
  assert.equal(await bad.evaluate(() => document.body.textContent.includes('Lost under a separator')), false);
  assert.deepEqual(bad.errors, []);
  await page.close();
  await bad.close();
});

test('the example menus draw with their pages, icons and submenus', async () => {
  for (const name of ['site-bar', 'side-menu', 'styled']) {
    const page = await openMenu(`${env.server.base}/examples/${name}/zelmenu.html`);
    const got = await page.evaluate(() => ({
      bar: [...document.querySelectorAll('.zm-bar > li > .zm-item')].map((a) => a.textContent),
      top: window.menuItems.filter((i) => !i[0].startsWith('|') && i[0] !== '-').map((i) => i[0]),
      icons: [...document.querySelectorAll('img.zm-icon')].every((i) => i.complete && i.naturalWidth > 0),
      opener: [...document.querySelectorAll('.zm-bar > li')].filter((li) => li.querySelector('[aria-expanded]')).map((li) => li.firstElementChild.textContent)[0],
    }));
    assert.deepEqual(got.bar, got.top, name);
    assert.ok(got.icons, `${name}: icons load`);
    await hover(page, got.opener);
    await until(page, () => !!document.querySelector('.zm-box.zm-open'), null, `${name}: a submenu`);
    assert.deepEqual(page.errors, [], name);
    await page.close();
  }
});

test('an empty menu draws nothing and throws nothing', async () => {
  for (const [file, params] of [['empty.js', {}], ['worked.js', { menuItems: '"nothing"' }], ['worked.js', { menuItems: 'undefined', itemStyles: 'null' }]]) {
    const page = await openMenu(file, params, 'preview');
    const found = await page.evaluate(() => ({
      drawn: document.querySelectorAll('.zm-menu, .zm-box, [role=menubar]').length,
      styles: document.querySelectorAll('style[data-zelmenu]').length,
      globals: ['zel_init', 'zel_initFrame'].every((n) => typeof window[n] === 'function'),
    }));
    assert.deepEqual(found, { drawn: 0, styles: 0, globals: true }, file);
    assert.deepEqual(page.errors, [], file);
    await page.close();
  }
});

test('the engine defines no globals beyond its two start functions', async () => {
  const page = await env.browser.context.newPage();
  await page.goto(`${env.server.base}/blank.html`);
  const before = await page.evaluate(() => Object.keys(window));
  await page.addScriptTag({ url: `${env.server.base}/zelmenu.js` });
  const added = await page.evaluate((b) => Object.keys(window).filter((k) => !b.includes(k)), before);
  assert.deepEqual(added.sort(), ['zel_init', 'zel_initFrame']);
  await page.close();
});
