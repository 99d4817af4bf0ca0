// Placing the boxes beside or below their items, inside the window.
import { viewport, moveTo, clamp } from './util.js';

export const placeMethods = {
  _place(node) {
    const box = node._cur;
    box.classList.add('zm-open');
    if (this._collapsed) return;
    const doc = box.ownerDocument;
    const c = this._cfg;
    const rtl = this._isRtl();
    const s = box.style;
    const vp = viewport(doc);
    moveTo(box, 0, 0);
    s.maxHeight = vp.h + 'px';
    s.visibility = 'hidden';
    const o = box.getBoundingClientRect();
    const w = o.width;
    let h = o.height;
    let x;
    let y;
    const first = node._depth === 0;
    if (first && this._frames && doc !== node._el.ownerDocument) {
      ({ x, y } = this._placeAcross(node, w, h, vp));
    } else {
      const r = node._el.getBoundingClientRect();
      const dx = first ? c.topDX : c.DX;
      const dy = first ? c.topDY : c.DY;
      if (first && c.isHorizontal) {
        // Below the bar, or above it when there is more room there; a long box is
        // capped at that room rather than cover its own item.
        const below = vp.h - r.bottom - dy;
        const above = r.top - dy;
        const room = Math.max(below, above);
        if (h > room && room >= 100) {
          h = room;
          s.maxHeight = room + 'px';
        }
        x = rtl ? r.right - w - dx : r.left + dx;
        y = r.bottom + dy;
        if (y + h > vp.h && above >= h) y = r.top - dy - h;
      } else {
        const after = rtl ? r.left - w - dx : r.right + dx;
        const before = rtl ? r.right + dx : r.left - w - dx;
        x = after;
        if (rtl ? after < 0 : after + w > vp.w) {
          if (rtl ? before + w <= vp.w : before >= 0) x = before;
        }
        y = r.top + dy;
      }
    }
    x = clamp(x, 0, vp.w - w);
    if (y + h > vp.h) y = Math.max(0, vp.h - h);
    if (y < 0) y = 0;
    moveTo(box, Math.round(x - o.left), Math.round(y - o.top));
    s.visibility = '';
  },

  // First-level box in the submenu frame: at the frame's edge that faces the top menu,
  // in line with the item along that edge.
  _placeAcross(node, w, h, vp) {
    const c = this._cfg;
    const f = this._frames;
    const r = node._el.getBoundingClientRect();
    const tr = f._topEl.getBoundingClientRect();
    const sr = f._subEl.getBoundingClientRect();
    const ox = tr.left + f._topEl.clientLeft - (sr.left + f._subEl.clientLeft);
    const oy = tr.top + f._topEl.clientTop - (sr.top + f._subEl.clientTop);
    const right = sr.left >= tr.right - 1;
    const left = sr.right <= tr.left + 1;
    const below = sr.top >= tr.bottom - 1;
    const above = sr.bottom <= tr.top + 1;
    let side = f._vertical;
    if ((right || left) !== (below || above)) side = right || left;
    if (side) {
      return { x: left ? vp.w - w - c.topDX : c.topDX, y: r.top + oy + c.topDY };
    }
    return { x: this._isRtl() ? r.right + ox - w - c.topDX : r.left + ox + c.topDX, y: above ? vp.h - h - c.topDY : c.topDY };
  },
};
