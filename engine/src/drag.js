// Dragging a movable menu by its spacer, and keeping a floating menu in place while the
// page scrolls.
import { cssUrl, moveTo, make, guard } from './util.js';

export const dragMethods = {
  _makeSpacer(doc) {
    const c = this._cfg;
    const sp = make(doc, 'div', 'zm-spacer');
    sp.setAttribute('aria-hidden', 'true');
    const horizontal = c.isHorizontal;
    sp.style.width = c.moveWidth ? c.moveWidth + 'px' : horizontal ? '8px' : 'auto';
    sp.style.height = c.moveHeight ? c.moveHeight + 'px' : horizontal ? 'auto' : '8px';
    sp.style.cursor = c.moveCursor;
    if (c.moveImage) {
      sp.style.backgroundImage = cssUrl(this._url(c.moveImage));
      sp.style.backgroundSize = '100% 100%';
    } else {
      sp.style.backgroundColor = c.menuBackColor || '#C0C0C0';
      sp.style.backgroundImage = 'repeating-linear-gradient(45deg, rgba(0,0,0,.25) 0 1px, transparent 1px 3px)';
    }
    this._own.add(sp);
    sp.addEventListener('pointerdown', (e) => guard(() => this._startDrag(e, sp)));
    return sp;
  },

  _startDrag(e, sp) {
    if (e.button !== 0) return;
    e.preventDefault();
    this._setOpen([]);
    const sx = e.clientX;
    const sy = e.clientY;
    const start = this._cfg.absolutePos ? { x: this._pos.x, y: this._pos.y } : { x: this._shift.x, y: this._shift.y };
    try {
      sp.setPointerCapture(e.pointerId);
    } catch (err) {
      // Dragging still works while the pointer stays over the spacer.
    }
    const move = (ev) =>
      guard(() => {
        const x = start.x + ev.clientX - sx;
        const y = start.y + ev.clientY - sy;
        if (this._cfg.absolutePos) {
          // A floating menu keeps its place in the window, a fixed one its place on the page.
          this._pos = { x, y };
          const ox = this._floatAt ? this._win.scrollX : 0;
          const oy = this._floatAt ? this._win.scrollY : 0;
          if (this._floatAt) this._floatAt = { x: x + ox, y: y + oy };
          moveTo(this._wrap, x + ox, y + oy);
        } else {
          this._shift = { x, y };
          moveTo(this._wrap, x, y, 'relative');
        }
      });
    const up = () => {
      sp.removeEventListener('pointermove', move);
      sp.removeEventListener('pointerup', up);
      sp.removeEventListener('pointercancel', up);
    };
    sp.addEventListener('pointermove', move);
    sp.addEventListener('pointerup', up);
    sp.addEventListener('pointercancel', up);
  },

  // Keeps an absolute menu at posX/posY of the window while the page scrolls, closing the
  // distance by a fraction on every frame.
  _startFloating() {
    const win = this._win;
    const steps = this._cfg.floatIterations || 8;
    this._floatAt = { x: this._pos.x, y: this._pos.y };
    let frame = 0;
    const step = () =>
      guard(() => {
        frame = 0;
        const tx = win.scrollX + this._pos.x;
        const ty = win.scrollY + this._pos.y;
        const f = this._floatAt;
        let x = f.x + (tx - f.x) / steps;
        let y = f.y + (ty - f.y) / steps;
        if (Math.abs(tx - x) < 1) x = tx;
        if (Math.abs(ty - y) < 1) y = ty;
        this._floatAt = { x, y };
        moveTo(this._wrap, Math.round(x), Math.round(y));
        for (const n of this._open) if (n._cur) this._place(n);
        if (x !== tx || y !== ty) frame = win.requestAnimationFrame(step);
      });
    win.addEventListener('scroll', () => {
      if (!frame) frame = win.requestAnimationFrame(step);
    }, { passive: true });
  },
};
