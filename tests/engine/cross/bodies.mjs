// The test bodies, the same in every engine. Each gets the adapter `b` (lib/drivers.mjs) and
// `page(variant, name)`, the address of a page the writer made (lib/pages.mjs). A body
// whose input the engine cannot synthesise names the reason in `skip`.
import assert from 'node:assert/strict';
import { VARIANTS } from './lib/pages.mjs';
import { until, near, rgb, itemRect, boxOf, center, hover, waitOpen, waitClosed, style, focused, onButton, expanded, centerOf, frame } from './lib/helpers.mjs';

const isOver = (b, text) => b.evaluate((t) => [...document.querySelectorAll('.zm-item')].find((a) => a.textContent === t).matches('.zm-over'), text);
const px = (v) => Math.round(parseFloat(v) * 100) / 100;

export const BODIES = [
  {
    name: 'a horizontal bar and a vertical menu drawn with their styles',
    async run(b, page) {
      await b.goto(page('bar'));
      const home = await style(b, 'Home', ['color', 'backgroundColor', 'fontFamily', 'fontSize', 'textDecorationLine']);
      assert.deepEqual({ ...home, fontSize: px(home.fontSize) },
        { color: rgb('#000000'), backgroundColor: rgb('#E0E0E0'), fontFamily: 'Arial, sans-serif', fontSize: 13.33, textDecorationLine: 'none' });
      assert.deepEqual(await style(b, 'Products', ['color', 'backgroundColor', 'fontFamily', 'fontWeight']),
        { color: rgb('#000080'), backgroundColor: rgb('#C0D0FF'), fontFamily: 'Verdana, sans-serif', fontWeight: '700' }, 'item style');
      const [h, p, help] = await Promise.all(['Home', 'Products', 'Help'].map((t) => itemRect(b, t)));
      assert.ok(p.left >= h.right && h.top === help.top, 'one row, left to right');
      await hover(b, 'Products');
      await waitOpen(b, 'Tools');
      assert.deepEqual(await style(b, 'Products', ['color', 'backgroundColor']), { color: rgb('#FFFF00'), backgroundColor: rgb('#000080') }, 'over look');
      const box = await boxOf(b, 'Tools');
      assert.deepEqual([box.background, box.borderStyle, box.borderWidth, box.borderColors[0]], [rgb('#FFFFE0'), 'double', '3px', rgb('#008000')], 'submenu style');
      near(box.left, p.left + 3, 'topDX');
      near(box.top, p.bottom + 4, 'topDY');
      await hover(b, 'Hardware');
      await waitOpen(b, 'Screws');
      const hw = await boxOf(b, 'Screws');
      assert.deepEqual([hw.background, hw.borderStyle, hw.borderWidth, hw.borderColors], [rgb('#E0FFE0'), 'solid', '2px', ['#C0C0C0', '#C0C0C0', '#808080', '#808080'].map(rgb)], 'four border colours');
      assert.deepEqual(await style(b, 'Nails', ['textDecorationLine', 'borderTopStyle', 'borderTopWidth', 'borderTopColor']),
        { textDecorationLine: 'underline', borderTopStyle: 'dashed', borderTopWidth: '2px', borderTopColor: rgb('#FF0000') });

      await b.goto(page('side'));
      const rows = await Promise.all(['Home', 'Products', 'Über uns – Café', 'Help'].map((t) => itemRect(b, t)));
      assert.ok(rows.every((r, i) => i === 0 || (r.top >= rows[i - 1].bottom && r.left === rows[0].left)), 'one column');
      assert.deepEqual(await style(b, 'Products', ['backgroundColor', 'fontFamily']), { backgroundColor: rgb('#C0D0FF'), fontFamily: 'Verdana, sans-serif' });
      await hover(b, 'Products');
      await waitOpen(b, 'Tools');
      const side = await boxOf(b, 'Tools');
      assert.ok(side.left >= rows[1].right - 1, `the box opens beside the item (${side.left} vs ${rows[1].right})`);
    },
  },
  {
    name: 'hover opens and closes through three levels, with hover intent',
    async run(b, page) {
      await b.goto(page('intent'));
      await hover(b, 'Products');
      await waitOpen(b, 'Tools');
      assert.equal(await expanded(b, 'Products'), 'true');
      await hover(b, 'Hardware');
      await waitOpen(b, 'Screws');
      // From Hardware slowly down and right to Screws, whose box is 30 px lower: the path
      // crosses Software.
      await b.evaluate(() => {
        const box = [...document.querySelectorAll('.zm-box')].find((x) => x.textContent === 'ScrewsNails');
        window.closedOnce = false;
        new MutationObserver(() => {
          if (!box.matches('.zm-open')) window.closedOnce = true;
        }).observe(box, { attributes: true });
      });
      const hw = await itemRect(b, 'Hardware');
      const sw = await itemRect(b, 'Software');
      const screws = await center(b, 'Screws');
      const from = { x: hw.left + 8, y: hw.top + hw.height / 2 };
      await b.move(from.x, from.y, 3);
      let crossed = 0;
      for (let i = 1; i <= 20; i++) {
        const x = from.x + ((screws.x - from.x) * i) / 20;
        const y = from.y + ((screws.y - from.y) * i) / 20;
        await b.move(x, y);
        if (y > sw.top && y < sw.bottom && x < sw.right) crossed++;
        await frame(b);
      }
      assert.ok(crossed >= 3, `the path crosses Software (${crossed} steps)`);
      await until(b, () => document.querySelector('.zm-box.zm-open .zm-item.zm-over')?.textContent === 'Screws', null, 'Screws hovered');
      assert.equal(await b.evaluate(() => window.closedOnce), false, 'the box never closed on the way');
      assert.equal(await isOver(b, 'Hardware'), false, 'the over look follows the pointer');
      // Resting on the neighbour switches to it; leaving the menu closes everything.
      const s = await center(b, 'Software');
      await b.move(s.x - 20, s.y, 6);
      await waitClosed(b, 'Screws');
      await b.move(900, 650, 3);
      await waitClosed(b, 'Tools');
      assert.equal(await expanded(b, 'Products'), 'false');
      assert.equal(await b.evaluate(() => document.querySelectorAll('.zm-box.zm-open, .zm-item.zm-over').length), 0);
    },
  },
  {
    name: 'the keyboard walk: Tab, Enter, Space, Escape and the arrows',
    async run(b, page) {
      await b.goto(page('bar'));
      const key = async (k, expect, what) => {
        await b.key(k);
        assert.equal(await focused(b), expect, what || `after ${k}`);
      };
      await b.key('Tab'); // the page's own link
      await key('Tab', 'Home', 'Tab from the page\'s own link reaches the first item');
      assert.equal(await b.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'solid', 'focus ring');
      await key('Tab', 'Products', 'Tab passes a closed submenu by');
      await key('Tab', 'Über uns – Café');
      await key('Tab', 'Über uns – Café');
      assert.ok(await onButton(b), 'then the arrow button of the same item');
      await key('Tab', 'Help');
      await key('Home', 'Home');
      await key('End', 'Help');
      await key('ArrowLeft', 'Über uns – Café');
      await key('ArrowUp', 'Über uns – Café');
      await key('ArrowUp', 'Products');
      await key('Enter', 'Products');
      await waitOpen(b, 'Tools');
      assert.equal(await expanded(b, 'Products'), 'true');
      await key('ArrowDown', 'Tools', 'Down goes into the open submenu');
      await key('ArrowDown', 'Hardware');
      await key('ArrowDown', 'Hardware');
      assert.ok(await onButton(b));
      await key('Space', 'Hardware');
      await waitOpen(b, 'Screws');
      await key('Tab', 'Screws');
      await key('End', 'Nails');
      await key('Escape', 'Hardware', 'Escape closes the innermost submenu, focus on its button');
      await waitClosed(b, 'Screws');
      assert.equal(await expanded(b, 'Hardware'), 'false');
      await key('Tab', 'Software');
      await key('Tab', 'Über uns – Café', 'Tab out of the submenu');
      await waitClosed(b, 'Tools');
      await key('Shift+Tab', 'Products');
      await key('Space', 'Products');
      await waitOpen(b, 'Tools');
      await key('Space', 'Products');
      await waitClosed(b, 'Tools');
      await key('End', 'Help');
      const before = await b.url();
      await b.key('Enter');
      const after = await until(b, () => document.readyState === 'complete' && location.pathname.endsWith('/help/index.html') && location.pathname, null, 'Enter follows the link', 5000);
      assert.notEqual(before, after);
    },
  },
  {
    name: 'a bar that does not fit collapses behind Menu and is a bar again when wide',
    async run(b, page) {
      const got = await b.size(375, 700);
      await b.goto(page('narrow'));
      const state = () => b.evaluate(() => {
        const nav = document.querySelector('.zm-menu');
        const tg = nav.querySelector('.zm-toggle');
        const bar = nav.querySelector('.zm-bar');
        return { collapsed: nav.matches('.zm-collapsed'), toggle: tg.getClientRects().length ? tg.textContent : null, expanded: tg.getAttribute('aria-expanded'), barShown: bar.getClientRects().length > 0 };
      });
      await until(b, () => !!document.querySelector('.zm-menu.zm-collapsed'), null, `collapsed in a ${got.width} px window`);
      assert.deepEqual(await state(), { collapsed: true, toggle: 'Menu', expanded: 'false', barShown: false });
      const tg = await centerOf(b, '.zm-toggle');
      await b.click(tg.x, tg.y);
      await until(b, () => document.querySelector('.zm-toggle').getAttribute('aria-expanded') === 'true', null, 'list shown');
      assert.equal((await state()).barShown, true);
      const rows = await Promise.all(['Home', 'Products', 'Help'].map((t) => itemRect(b, t)));
      assert.ok(rows.every((r, i) => r.height >= 44 && (i === 0 || r.top > rows[i - 1].top)), 'one column of items at least 44 px tall');
      const pr = await centerOf(b, '.zm-bar > li > button.zm-item');
      await b.click(pr.x, pr.y);
      await waitOpen(b, 'Tools');
      const products = await itemRect(b, 'Products');
      const box = await boxOf(b, 'Tools');
      assert.ok(box.top >= products.bottom - 0.5 && box.left > products.left, 'opens in place, below and indented');
      await b.size(1280, 700);
      await until(b, () => !document.querySelector('.zm-menu.zm-collapsed'), null, 'a bar again');
      const s = await state();
      assert.deepEqual([s.toggle, s.barShown], [null, true]);
      const bar = await Promise.all(['Home', 'Help'].map((t) => itemRect(b, t)));
      assert.equal(bar[0].top, bar[1].top, 'one row');
    },
  },
  {
    name: 'a long submenu is capped at the window and scrolls',
    async run(b, page) {
      const win = await b.size(1000, 600);
      await b.goto(page('long'));
      await hover(b, 'Long');
      await waitOpen(b, 'Page 1');
      const geo = () => b.evaluate(() => {
        const box = document.querySelector('.zm-box.zm-open');
        const list = box.querySelector('.zm-list');
        const r = box.getBoundingClientRect();
        return { top: r.top, bottom: r.bottom, scroll: list.scrollTop, overflow: list.scrollHeight > list.clientHeight, vh: document.documentElement.clientHeight };
      });
      const g = await geo();
      const long = await itemRect(b, 'Long');
      assert.ok(g.overflow, 'the list scrolls');
      assert.ok(g.top >= long.bottom && g.bottom <= g.vh + 0.5, `inside the ${win.height} px window below its item (${g.top}..${g.bottom})`);
      const c = await center(b, 'Page 3');
      await b.move(c.x, c.y, 2);
      await b.wheel(c.x, c.y, 400);
      await until(b, () => document.querySelector('.zm-box.zm-open .zm-list').scrollTop > 0, null, 'the wheel scrolls the list');
      assert.equal(await b.evaluate(() => window.scrollY), 0, 'not the page');
      // The keyboard reaches the last item, scrolled into view.
      await b.move(900, 20, 3);
      await waitClosed(b, 'Page 1');
      await b.evaluate(() => document.querySelector('.zm-bar > li > button.zm-item').focus());
      await b.key('Enter');
      await waitOpen(b, 'Page 1');
      await b.key('ArrowDown');
      await b.key('End');
      assert.equal(await focused(b), 'Page 60');
      await until(b, () => {
        const a = document.activeElement.getBoundingClientRect();
        const l = document.activeElement.closest('.zm-list').getBoundingClientRect();
        return a.top >= l.top - 0.5 && a.bottom <= l.bottom + 0.5;
      }, null, 'Page 60 in view');
    },
  },
  {
    name: 'right to left: the cascade opens to the left and the arrows mirror',
    async run(b, page) {
      await b.goto(page('rtl'));
      const home = await itemRect(b, 'Home');
      const products = await itemRect(b, 'Products');
      assert.ok(products.right <= home.left + 0.5, 'items run right to left');
      await hover(b, 'Products');
      await waitOpen(b, 'Tools');
      near((await boxOf(b, 'Tools')).right, products.right - 3, 'mirrored topDX');
      await hover(b, 'Hardware');
      await waitOpen(b, 'Screws');
      const hw = await itemRect(b, 'Hardware');
      near((await boxOf(b, 'Screws')).right, hw.left + 5, 'mirrored DX');
      await b.move(900, 650, 3);
      await waitClosed(b, 'Tools');
      await b.evaluate(() => document.querySelector('.zm-bar a.zm-item').focus());
      assert.equal(await focused(b), 'Home');
      await b.key('ArrowLeft');
      assert.equal(await focused(b), 'Products', 'Left goes to the next item');
      await b.key('Enter');
      await waitOpen(b, 'Tools');
      await b.key('ArrowLeft');
      assert.equal(await focused(b), 'Tools', 'Left goes into the open submenu');
      await b.key('ArrowRight');
      assert.equal(await focused(b), 'Tools', 'Right goes back only within the list');
    },
  },
  {
    name: 'transitions end with the box fully shown',
    async run(b, page) {
      for (const kind of ['clip', 'reveal', 'cells']) {
        await b.move(900, 650, 1);
        await b.goto(page(kind));
        // Counts the boxes that open with an animation.
        await b.evaluate(() => {
          window.played = 0;
          new MutationObserver(() => {
            for (const x of document.querySelectorAll('.zm-box.zm-open')) if (x.getAnimations().length) window.played++;
          }).observe(document.body, { attributes: true, subtree: true, attributeFilter: ['class', 'style'] });
        });
        await hover(b, 'Products');
        await waitOpen(b, 'Tools');
        const done = await until(b, () => {
          const box = document.querySelector('.zm-box.zm-open');
          if (box.getAnimations().length) return null;
          const s = getComputedStyle(box);
          const r = box.getBoundingClientRect();
          const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
          return { clip: s.clipPath, mask: s.maskImage || s.webkitMaskImage, opacity: s.opacity, hit: box.contains(hit), w: r.width > 20, h: r.height > 20 };
        }, null, `${kind} transition over`);
        assert.deepEqual(done, { clip: 'none', mask: 'none', opacity: '1', hit: true, w: true, h: true }, kind);
        assert.ok(await b.evaluate(() => window.played > 0), `${kind}: a transition played`);
      }
    },
  },
  {
    name: 'aria-current marks the link to the page shown and the pressed item',
    async run(b, page) {
      await b.goto(page('bar', 'index.html'));
      assert.deepEqual(await b.evaluate(() => [...document.querySelectorAll('[aria-current]')].map((a) => [a.textContent, a.getAttribute('aria-current')])), [['Home', 'page']]);
      await b.goto(page('pressed'));
      assert.deepEqual(await b.evaluate(() => [...document.querySelectorAll('[aria-current]')].map((a) => [a.textContent, a.getAttribute('aria-current')])), [['Help', 'true']]);
      assert.deepEqual(await style(b, 'Help', ['backgroundColor', 'color']), { backgroundColor: rgb('#3060C0'), color: rgb('#FFFFFF') });
    },
  },
  {
    name: 'every page draws its menu without page errors',
    async run(b, page) {
      for (const v of Object.keys(VARIANTS)) {
        await b.goto(page(v));
        assert.equal(await b.evaluate(() => document.querySelectorAll('nav.zm-menu').length), 1, v);
        assert.deepEqual(await b.errors(), [], v);
      }
    },
  },
  {
    name: 'touch: a tap on a button opens, on a link follows, outside closes',
    skip: (b) => b.touch,
    async run(b, page) {
      await b.size(1000, 700, true);
      await b.goto(page('bar'));
      await b.evaluate(() => {
        window.kinds = new Set();
        addEventListener('pointerdown', (e) => window.kinds.add(e.pointerType), true);
      });
      const tap = async (sel) => {
        const c = await centerOf(b, sel);
        await b.tap(c.x, c.y);
      };
      // Über uns has a link and a submenu: its arrow is the button.
      await tap('.zm-bar > li:nth-child(4) .zm-exp');
      await waitOpen(b, 'Team');
      assert.deepEqual(await b.evaluate(() => [...window.kinds]), ['touch'], 'the browser taps as a touch screen');
      assert.equal(new URL(await b.url()).pathname, '/v/bar/zelmenu.html');
      await tap('.zm-bar > li > button.zm-item');
      await waitOpen(b, 'Tools');
      await waitClosed(b, 'Team');
      await b.tap(600, 400);
      await waitClosed(b, 'Tools');
      assert.equal(await expanded(b, 'Products'), 'false');
      await tap('.zm-bar > li:nth-child(4) .zm-link');
      await until(b, () => location.pathname.endsWith('/about.html'), null, 'the tapped link followed');
    },
  },
];
