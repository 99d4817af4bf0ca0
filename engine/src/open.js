// Opening and closing the submenus, and the over look of the items on the open path.
import { guard } from './util.js';
import { playTransition } from './transitions.js';

const CLOSE_DELAY = 400;

export const openMethods = {
  _ancestors(node) {
    const list = [];
    for (let p = node._parent; p; p = p._parent) list.unshift(p);
    return list;
  },

  _pathFor(node) {
    const list = this._ancestors(node);
    if (node._hasKids) list.push(node);
    return list;
  },

  _isOpen(node) {
    return this._open.includes(node);
  },

  // Makes `path` (a chain of items from the top level down) the set of open submenus.
  _setOpen(path) {
    if (this._busy) return;
    this._busy = true;
    try {
      this._cancelSwitch();
      let keep = 0;
      while (keep < this._open.length && keep < path.length && this._open[keep] === path[keep] && this._alive(path[keep])) keep++;
      for (let i = this._open.length - 1; i >= keep; i--) this._hideBox(this._open[i]);
      this._open = path.slice(0, keep);
      for (let i = keep; i < path.length; i++) {
        if (!this._showBox(path[i])) break;
        this._open.push(path[i]);
      }
      this._refreshLooks();
    } finally {
      this._busy = false;
    }
  },

  _alive(node) {
    const box = node._cur;
    return !!box && box.isConnected && box.classList.contains('zm-open');
  },

  _showBox(node) {
    if (!node._el || !node._el.isConnected) return false;
    const doc = node._depth ? node._el.ownerDocument : this._boxDoc();
    const far = doc !== node._el.ownerDocument;
    let box = far ? node._far : node._box;
    if (!box || box.ownerDocument !== doc || !box.isConnected) {
      box = this._makeBox(node, doc);
      if (far) node._far = box;
      else node._box = box;
    }
    node._cur = box;
    // A box in the submenu frame takes the menu's direction with it.
    if (this._isRtl()) box.dir = 'rtl';
    // Filled on first opening, and again when its items were last drawn in another box.
    const list = box.firstChild;
    const first = node._kids.find((n) => !n._sep);
    if (!list.firstChild || (first && !(first._el && list.contains(first._el)))) {
      list.textContent = '';
      this._fill(list, node._kids, doc, false);
      for (const n of node._kids) if (this._over.has(n)) this._paint(n, true);
    }
    // A box that is still playing its transition would clip the new one inside it.
    for (const n of this._open) if (n._cur) for (const a of n._cur.getAnimations()) a.finish();
    box.style.zIndex = String(2147480001 + node._depth);
    this._place(node);
    node._btn.setAttribute('aria-expanded', 'true');
    playTransition(box, this._cfg);
    return true;
  },

  _hideBox(node) {
    const box = node._cur;
    if (node._btn) node._btn.setAttribute('aria-expanded', 'false');
    if (!box) return;
    try {
      for (const a of box.getAnimations()) a.cancel();
    } catch (e) {
      // Nothing is playing.
    }
    box.classList.remove('zm-open');
    const doc = box.ownerDocument;
    if (doc && box.contains(doc.activeElement)) {
      const back = this._ancestors(node).concat([node]).reverse().find((n) => n._btn && n._btn.isConnected && this._visible(n));
      if (back) back._btn.focus();
    }
  },

  _visible(node) {
    return !node._parent || this._alive(node._parent);
  },

  _scheduleClose() {
    this._cancelClose();
    if (this._collapsed) return;
    const win = this._win;
    this._closeTimer = win.setTimeout(() =>
      guard(() => {
        this._closeTimer = 0;
        if (this._pointerInside) return;
        this._hover = null;
        // Keyboard focus keeps its own path open; focus left by a click does not.
        this._setOpen(this._focus && this._focusVisible ? this._ancestors(this._focus) : []);
      }), CLOSE_DELAY);
  },

  _cancelClose() {
    if (this._closeTimer) this._win.clearTimeout(this._closeTimer);
    this._closeTimer = 0;
  },

  _refreshLooks() {
    const want = new Set();
    if (this._hover) want.add(this._hover);
    if (this._focus && this._focusVisible) want.add(this._focus);
    if (this._cfg.saveNavigationPath) for (const n of this._open) want.add(n);
    if (this._pressed) want.add(this._pressed);
    for (const n of this._over) if (!want.has(n)) this._paint(n, false);
    for (const n of want) if (!this._over.has(n)) this._paint(n, true);
    this._over = want;
  },

  _paint(node, over) {
    if (!node._el) return;
    node._el.classList.toggle('zm-over', over);
    if (node._iconEl) this._setImage(node._iconEl, node._icon[over ? 1 : 0]);
    if (node._arrowEl) node._arrowEl.src = node._arrow[over ? 1 : 0];
  },

  _status(node) {
    const c = this._cfg;
    let text = '';
    if (node) text = c.statusString === 'link' ? node._href || '' : c.statusString === 'text' ? node._text : c.statusString;
    try {
      this._win.status = text;
      if (node && node._el.ownerDocument.defaultView !== this._win) node._el.ownerDocument.defaultView.status = text;
    } catch (e) {
      // Some browsers do not let pages set it.
    }
  },
};
