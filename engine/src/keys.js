// Input from the keyboard: focus, the arrow keys, Home, End and Escape.
import { guard } from './util.js';

export const keysMethods = {
  _onFocusIn(e) {
    const node = this._nodeAt(e.target);
    if (!node) return;
    this._focus = node;
    // A mouse click focuses a link too; only keyboard focus gets the over look.
    try {
      this._focusVisible = e.target.matches(':focus-visible');
    } catch (err) {
      this._focusVisible = true;
    }
    this._cancelClose();
    // Keyboard focus on another item closes the boxes that are not on its way.
    if (this._focusVisible && !this._collapsed && !this._busy) {
      const want = this._pathFor(node);
      let k = 0;
      while (k < this._open.length && this._open[k] === want[k]) k++;
      if (k < this._open.length) this._setOpen(this._open.slice(0, k));
    }
    this._status(node);
    this._refreshLooks();
  },

  _onFocusOut() {
    this._win.setTimeout(() =>
      guard(() => {
        if (this._focusIsOurs()) return;
        this._focus = null;
        if (!this._pointerInside && !this._collapsed) this._setOpen([]);
        else this._refreshLooks();
      }), 0);
  },

  _focusIsOurs() {
    for (const doc of this._docs) {
      try {
        if (!doc.defaultView) this._docs.delete(doc); // a frame's document that was replaced
        else if (doc.hasFocus() && this._nodes.has(doc.activeElement)) return true;
      } catch (e) {
        this._docs.delete(doc);
      }
    }
    return false;
  },

  // The links and buttons of a list of items, in order.
  _stops(list) {
    const out = [];
    for (const n of list) {
      if (n._sep || !n._el || !n._el.isConnected) continue;
      if (n._a) out.push(n._a);
      if (n._btn) out.push(n._btn);
    }
    return out;
  },

  _onKey(e) {
    const node = this._nodeAt(e.target);
    if (!node || e.altKey || e.ctrlKey || e.metaKey) return;
    const t = e.target;
    const key = e.key;
    const rtl = this._isRtl();
    const fwd = rtl ? 'ArrowLeft' : 'ArrowRight';
    const back = rtl ? 'ArrowRight' : 'ArrowLeft';
    const list = this._stops(node._parent ? node._parent._kids : this._roots);
    const i = list.indexOf(t);
    let to = null;
    if (key === 'ArrowDown' || key === fwd) {
      to = t === node._btn && this._isOpen(node) ? this._stops(node._kids)[0] : list[i + 1];
    } else if (key === 'ArrowUp' || key === back) {
      to = list[i - 1];
    } else if (key === 'Home' || key === 'End') {
      to = list[key === 'Home' ? 0 : list.length - 1];
    } else if (key === 'Escape') {
      this._escape();
    } else {
      return;
    }
    if (to) to.focus();
    e.preventDefault();
    e.stopPropagation();
  },

  _escape() {
    const n = this._open[this._open.length - 1];
    if (n) {
      this._hover = null;
      this._setOpen(this._open.slice(0, -1));
      if (n._btn.isConnected) n._btn.focus();
    } else if (this._collapsed && this._shown) {
      this._show(false);
      this._toggleEl.focus();
    }
  },
};
