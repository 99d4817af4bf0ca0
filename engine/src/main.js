/*
 * zelmenu.js - the Menuloom menu engine. This is its entry module; engine/build.mjs bundles
 * it with the modules it imports into the one shipped script.
 *
 * Draws the cascading drop-down menu that a Menuloom data file describes. The page loads
 * this file in its head and the data file in its body; the data file declares the menu's
 * parameters (blankImage ... saveNavigationPath), itemStyles, menuStyles and menuItems as
 * global variables and its last line starts the engine:
 *
 *   zel_init()                                     the menu where the data file is loaded,
 *                                                  or at posX/posY when absolutePos is set
 *   zel_initFrame(id, topFrame, subFrame, vertical)
 *                                                  the top menu in frame number topFrame of
 *                                                  the frameset with that id, its submenus
 *                                                  in frame number subFrame (same origin)
 *
 * These two functions are the only globals this file defines. The variables are read when
 * the start function runs, so several data files on one page give several menus. A missing
 * or malformed variable falls back to its built-in default, an unusable item or style entry
 * is skipped, and nothing thrown inside the engine reaches the page.
 *
 * What it draws is site navigation, not an application menu: a nav landmark holding nested
 * lists of real links. An item with a submenu has a disclosure button (a button with
 * aria-expanded and aria-controls): its arrow when the item has a link, the whole item when
 * it has none. The submenu's list is nested in the item's list element and drawn as a
 * fly-out box beside or below the item. No menu, menubar or menuitem roles. The link to the
 * page being shown carries aria-current="page"; pressedItem marks its item with
 * aria-current="true".
 *
 * Mouse: hovering opens and closes the boxes, with a grace while the pointer heads for an
 * open box across other items. Touch: a tap on a button opens or closes its submenu, a tap
 * on a link follows it, a tap outside closes them; each event's pointer decides, so a touch
 * laptop's mouse still opens by hovering. A disclosure button is a target at least 24 px
 * wide; where the primary pointer is coarse, every target of the bar and the boxes is at
 * least 44 x 44 px.
 *
 * Keys: Tab and Shift+Tab go through the links and buttons of the levels that are open;
 * Enter or Space on a button opens or closes its submenu; Escape closes the innermost open
 * submenu and puts the focus on its button; Down and Right go to the next link or button
 * of the same list, or into the submenu of an open button; Up and Left go to the previous
 * one; Home and End to the first and last (Right and Left swap on right-to-left pages).
 *
 * Small windows: where the top level does not fit the window's width (a horizontal bar
 * wider than the window, or a vertical menu with no room beside it for its boxes), the menu
 * collapses behind a "Menu" toggle button into one vertical list in the page's flow, whose
 * submenus open in place below their items; every item is then at least 44 px tall. The
 * fit is checked again whenever the window changes size. A box taller than the window is
 * capped at its height and scrolls.
 *
 * Pages without scripts: a page may hold static links, <nav id="zelmenu-static">, right
 * before the data file's script tag. Loading this file puts the class zel-js on the root
 * element, under which the links' own style sheet hides them; the drawn menu then takes their
 * place and they are taken out (when no menu has replaced them once the page has loaded,
 * the class goes again and they show). A data file's script tag with data-zel-root="../" (a page in a
 * sub-folder of a site) puts that prefix before every address that is still relative after
 * pathPrefix, so that it points where it points from the site's root.
 *
 * The engine's own properties and methods start with an underscore (node._btn, this._open):
 * the minifier shortens exactly those, so a name without one is left as it is, as the names
 * of the browser, of the data file and of the value readers must be.
 */
import { guard, root } from './util.js';
import { toInt, str, READ, readGlobals } from './data.js';
import { Menu } from './menu.js';
import { findFrames, whenLoaded } from './frames.js';

function currentAnchor(doc) {
  const s = doc.currentScript;
  if (s) return s;
  const all = doc.getElementsByTagName('script');
  return all.length ? all[all.length - 1] : null;
}

// Reads the data file's variables into a new menu, and hands it to `fn` with the document and
// the data file's script element when it has items.
function start(fn) {
  guard(() => {
    const doc = root.document;
    const anchor = currentAnchor(doc);
    const menu = new Menu(readGlobals(root), doc.baseURI, anchor);
    if (menu._roots.length) fn(menu, doc, anchor);
  });
}

function zel_init() {
  start((menu, doc, anchor) => {
    if (doc.body) menu._draw(doc, anchor);
    else doc.addEventListener('DOMContentLoaded', () => guard(() => menu._draw(doc, null)), { once: true });
  });
}

function zel_initFrame(id, topFrame, subFrame, vertical) {
  start((menu, doc, anchor) => {
    const frames = findFrames(root, id);
    const ti = toInt(topFrame);
    const si = toInt(subFrame);
    let topEl = frames[ti];
    const subEl = frames[si];
    if (!topEl) topEl = frames.find((f) => f.contentWindow === root);
    if (!topEl || !subEl || topEl === subEl) {
      menu._draw(doc, anchor);
      return;
    }
    menu._frames = { _topEl: topEl, _subEl: subEl, _vertical: READ.bool(vertical, false) || str(vertical).trim() === '1' };
    subEl.addEventListener('load', () => guard(() => {
      for (const n of menu._open) if (n._btn) n._btn.setAttribute('aria-expanded', 'false');
      menu._open = [];
      menu._hover = null;
      menu._refreshLooks();
    }));
    if (topEl.contentWindow === root) {
      menu._draw(doc, anchor);
    } else {
      whenLoaded(topEl, () => menu._draw(topEl.contentDocument, null));
    }
  });
}

// Once scripts run, a page's static links for visitors without them (the style sheet that
// comes with them hides them under this class) give way to the drawn menu.
const scripted = root.document.documentElement.classList;
scripted.add('zel-js');
// Static links that no menu replaced by the time the page has loaded (a data file that did
// not load, or has no items) are the page's navigation: shown again.
root.addEventListener('load', () => root.document.getElementById('zelmenu-static') && scripted.remove('zel-js'));

// Loaded twice: the first copy's functions stay.
if (!(typeof root.zel_init === 'function' && root.zel_init.zelmenu)) {
  zel_init.zelmenu = true;
  root.zel_init = zel_init;
  root.zel_initFrame = zel_initFrame;
}
