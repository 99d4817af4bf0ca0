// One menu drawn from one data file: its state, the top level and its events. Its other
// methods come by concern from the modules imported below.
import { isRelative, cssLen, moveTo, make, guard } from './util.js';
import { readConfig, itemLook, boxLook, readLevel } from './data.js';
import { rulesMethods } from './rules.js';
import { itemsMethods } from './items.js';
import { openMethods } from './open.js';
import { placeMethods } from './place.js';
import { fitMethods } from './fit.js';
import { dragMethods } from './drag.js';
import { pointerMethods } from './pointer.js';
import { keysMethods } from './keys.js';
import { framesMethods } from './frames.js';

let menuCount = 0;

export class Menu {
  // `anchor` is the data file's script element; its data-zel-root names the site's root from
  // the page's folder ("../" in a sub-folder), put before every relative address.
  constructor(raw, baseURI, anchor) {
    this._id = ++menuCount;
    this._cls = 'zm' + this._id;
    this._base = baseURI;
    this._root = (anchor && anchor.getAttribute('data-zel-root')) || '';
    const c = (this._cfg = readConfig(raw));
    this._itemStyles = Array.isArray(raw.itemStyles) ? raw.itemStyles : [];
    this._menuStyles = Array.isArray(raw.menuStyles) ? raw.menuStyles : [];
    this._looks = new Map();
    this._urls = new Map();
    this._boxLooks = new Map();
    const items = raw.menuItems;
    this._roots = Array.isArray(items) ? readLevel(items, 0, items.length, 0, null) : [];
    this._open = [];
    this._over = new Set();
    this._hover = null;
    this._focus = null;
    this._focusVisible = false;
    this._pressed = null;
    this._toggle = c.pressedItem >= -1;
    this._pointerInside = false;
    this._lastPointer = '';
    this._moves = [];
    this._aimAt = null;
    this._closeTimer = 0;
    this._switchTimer = 0;
    this._busy = false;
    this._collapsed = false;
    this._shown = false;
    this._rtl = null;
    this._frames = null;
    this._nodes = new WeakMap();
    this._own = new WeakSet();
    this._docs = new Set();
    this._rules = null;
    this._pos = { x: c.posX, y: c.posY };
    this._shift = { x: 0, y: 0 };
  }

  _look(i) {
    let L = this._looks.get(i);
    if (!L) {
      L = i < 0 ? this._cfg : itemLook(this._cfg, this._itemStyles[i]);
      this._looks.set(i, L);
    }
    return L;
  }

  _boxLook(i) {
    let B = this._boxLooks.get(i);
    if (!B) {
      B = i < 0 ? this._cfg : boxLook(this._cfg, this._menuStyles[i]);
      this._boxLooks.set(i, B);
    }
    return B;
  }

  // An address from the data file: backslashes made slashes, a drive path a file address,
  // a relative one put after pathPrefix and, if still relative, after the site's root, all
  // resolved against the data file's page. Kept, since the same pictures recur on many items.
  _url(path) {
    if (!path) return '';
    let u = this._urls.get(path);
    if (u === undefined) {
      let p = path.replace(/\\/g, '/');
      if (/^[a-z]:\//i.test(p)) u = 'file:///' + p;
      else {
        if (isRelative(p)) p = this._cfg.pathPrefix + p;
        if (isRelative(p)) p = this._root + p;
        try {
          u = new URL(p, this._base).href;
        } catch (e) {
          u = p;
        }
      }
      this._urls.set(path, u);
    }
    return u;
  }

  _wire(el) {
    this._own.add(el);
    const on = (type, fn, capture) => el.addEventListener(type, (e) => guard(() => fn.call(this, e)), capture);
    on('pointerover', this._onPointerOver);
    on('pointermove', this._onPointerMove);
    on('pointerenter', this._onPointerEnter);
    on('pointerleave', this._onPointerLeave);
    on('pointerdown', (e) => {
      this._lastPointer = e.pointerType || 'mouse';
    });
    on('click', this._onClick);
    on('keydown', this._onKey);
    on('focusin', this._onFocusIn);
    on('focusout', this._onFocusOut);
    // A scrolled list moves the items whose boxes are placed against them.
    on('scroll', (e) => {
      for (const n of this._open) if (n._cur && e.target.contains && e.target !== n._cur && e.target.contains(n._el)) this._place(n);
    }, true);
  }

  _listenDocument(doc) {
    const on = (type, fn, capture) => doc.addEventListener(type, (e) => guard(() => fn.call(this, e)), capture);
    on('pointerdown', (e) => {
      if (!this._owns(e.target) && this._open.length && !this._collapsed) {
        this._hover = null;
        this._setOpen([]);
      }
    }, true);
    on('keydown', (e) => {
      if (e.key === 'Escape' && this._open.length && !this._collapsed && !this._owns(e.target)) {
        this._hover = null;
        this._setOpen([]);
      }
    });
  }

  _owns(el) {
    for (let n = el, i = 0; n && i < 64; n = n.parentNode, i++) if (this._own.has(n) || this._nodes.has(n)) return true;
    return false;
  }

  // Draws the top menu into `doc`, after `anchor` when given, else at the start of the body.
  _draw(doc, anchor) {
    if (!this._roots.length) return;
    const c = this._cfg;
    this._doc = doc;
    this._win = doc.defaultView;
    this._install(doc);
    const wrap = make(doc, 'nav', 'zm-menu ' + (c.isHorizontal ? 'zm-h' : 'zm-v'));
    wrap.setAttribute('aria-label', 'Menu');
    const w = c.menuWidth;
    if (w.n > 0) wrap.style.width = cssLen(w);
    if (c.absolutePos) moveTo(wrap, c.posX, c.posY, 'absolute');
    this._wrap = wrap;
    if (anchor && anchor.parentNode && anchor.parentNode !== doc.head && anchor.parentNode !== doc.documentElement) {
      anchor.parentNode.insertBefore(wrap, anchor.nextSibling);
      // The page's static links, right before the data file: the drawn menu takes their place,
      // so that the page has one navigation landmark.
      const links = anchor.previousElementSibling;
      if (links && links.id === 'zelmenu-static') links.remove();
    } else if (doc.body) {
      doc.body.insertBefore(wrap, doc.body.firstChild);
    } else {
      return;
    }
    if (c.movable) wrap.appendChild(this._makeSpacer(doc));
    const bar = make(doc, 'ul', `zm-bar ${this._cls} ` + (c.isHorizontal ? 'zm-h' : 'zm-v') + (w.n > 0 && c.isHorizontal ? ' zm-fill' : ''));
    bar.id = this._cls + '-bar';
    if (c.pressedItem >= 0 && this._roots[c.pressedItem] && !this._roots[c.pressedItem]._sep) this._pressed = this._roots[c.pressedItem];
    this._fill(bar, this._roots, doc, true);
    wrap.appendChild(bar);
    this._bar = bar;
    this._own.add(bar);
    this._wire(wrap);
    if (c.absolutePos && c.floatable) this._startFloating();
    this._refreshLooks();
    // The fit is checked in the next frame, before it is painted: measuring now would make
    // the browser lay the page out while it is still being built.
    const again = () => {
      if (!this._fitFrame) {
        this._fitFrame = this._win.requestAnimationFrame(() =>
          guard(() => {
            this._fitFrame = 0;
            this._checkFit();
            for (const n of this._open) if (n._cur) this._place(n);
          }));
      }
    };
    again();
    this._win.addEventListener('resize', again);
    this._win.addEventListener('load', again);
    try {
      this._win.screen.orientation.addEventListener('change', again);
      // Not fonts.ready: asking for it makes the browser lay the page out at once.
      doc.fonts.addEventListener('loadingdone', again);
    } catch (e) {
      // Resizes still come as resize events.
    }
  }

  // Whether the menu runs right to left: read when first needed rather than while drawing,
  // which would make the browser compute the page's styles an extra time.
  _isRtl() {
    if (this._rtl === null) this._rtl = this._win.getComputedStyle(this._wrap).direction === 'rtl';
    return this._rtl;
  }
}

Object.assign(Menu.prototype, rulesMethods, itemsMethods, openMethods, placeMethods, fitMethods, dragMethods, pointerMethods, keysMethods, framesMethods);
