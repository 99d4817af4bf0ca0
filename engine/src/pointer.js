// Input from the mouse and touch: hover with a grace while the pointer heads for an open
// box, clicks and taps.
import { guard } from './util.js';

// Hovering an item that would close an open box waits this long, so that the pointer can
// cross neighbouring items on its way into that box; while the pointer keeps heading for
// the box, the wait starts again, up to AIM_DELAY after its last move.
const SWITCH_DELAY = 150;

const AIM_DELAY = 400;

export const pointerMethods = {
  _nodeAt(target) {
    for (let n = target, i = 0; n && i < 8; n = n.parentNode, i++) {
      const node = this._nodes.get(n);
      if (node) return node;
      if (this._own.has(n)) return null;
    }
    return null;
  },

  _onPointerEnter(e) {
    if (e.pointerType === 'touch') return;
    this._pointerInside = true;
    this._cancelClose();
  },

  _onPointerLeave(e) {
    if (e.pointerType === 'touch') return;
    this._pointerInside = false;
    if (this._hover) {
      this._hover = null;
      this._status(null);
      this._refreshLooks();
    }
    this._scheduleClose();
  },

  _onPointerOver(e) {
    if (e.pointerType === 'touch') return;
    this._pointerInside = true;
    this._cancelClose();
    const node = this._nodeAt(e.target);
    if (node === this._hover) return;
    this._hover = node;
    this._status(node);
    this._cancelSwitch();
    if (!node || this._collapsed) {
      this._refreshLooks();
      return;
    }
    const path = this._pathFor(node);
    if (this._open.every((n, i) => path[i] === n)) {
      this._setOpen(path);
      return;
    }
    this._refreshLooks();
    this._switchLater(node);
  },

  // The last few pointer positions, in the coordinates of one document.
  _onPointerMove(e) {
    if (e.pointerType === 'touch') return;
    const m = this._moves;
    const doc = e.target.ownerDocument;
    if (m.length && m[0]._doc !== doc) m.length = 0;
    m.push({ x: e.clientX, y: e.clientY, _doc: doc });
    if (m.length > 4) m.shift();
    const node = this._aimAt;
    if (node && node === this._hover) {
      if (this._aiming(node)) this._switchLater(node);
      else this._setOpen(this._pathFor(node));
    }
  },

  // Opens the hovered item's path after a short wait, or a longer one while the pointer
  // heads for the box that is open beside it.
  _switchLater(node) {
    this._cancelSwitch();
    const aim = this._aiming(node);
    this._aimAt = aim ? node : null;
    this._switchTimer = this._win.setTimeout(() =>
      guard(() => {
        this._switchTimer = 0;
        if (this._hover === node) this._setOpen(this._pathFor(node));
      }), aim ? AIM_DELAY : SWITCH_DELAY);
  },

  _cancelSwitch() {
    if (this._switchTimer) this._win.clearTimeout(this._switchTimer);
    this._switchTimer = 0;
    this._aimAt = null;
  },

  // Whether the pointer's last moves bring it nearer to the open box of the list that
  // `node` is in.
  _aiming(node) {
    const open = this._open[node._depth];
    const box = open && open !== node && open._cur;
    const m = this._moves;
    if (!box || m.length < 2 || box.ownerDocument !== m[0]._doc) return false;
    const b = box.getBoundingClientRect();
    const dist = (p) => Math.hypot(Math.max(b.left - p.x, 0, p.x - b.right), Math.max(b.top - p.y, 0, p.y - b.bottom));
    const d = dist(m[m.length - 1]);
    return d === 0 || d < dist(m[0]) - 1;
  },

  _onClick(e) {
    const node = this._nodeAt(e.target);
    if (!node) return;
    const kind = e.pointerType || this._lastPointer;
    this._lastPointer = '';
    if (this._toggle && node._depth === 0) this._press(node);
    if (node._btn && node._btn.contains(e.target)) {
      e.preventDefault();
      // The mouse has opened it already by hovering: a click keeps it open. Keys and
      // taps, and every click on a collapsed menu, open or close it.
      if (kind === 'mouse' && !this._collapsed) this._setOpen(this._pathFor(node));
      else this._setOpen(this._isOpen(node) ? this._ancestors(node) : this._pathFor(node));
      return;
    }
    if (node._href) {
      this._hover = null;
      this._setOpen([]);
    }
  },

  _mark(node, on) {
    const t = node._a || node._btn;
    if (!t || t.getAttribute('aria-current') === 'page') return;
    if (on) t.setAttribute('aria-current', 'true');
    else t.removeAttribute('aria-current');
  },

  _press(node) {
    if (this._pressed) this._mark(this._pressed, false);
    this._pressed = node;
    this._mark(node, true);
    this._refreshLooks();
  },
};
