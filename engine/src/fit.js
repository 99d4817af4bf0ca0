// Fit and collapse: a menu whose top level does not fit the window folds behind a "Menu"
// button into one list in the page's flow.
import { viewport, make, guard } from './util.js';

export const fitMethods = {
  // Whether the top level does not fit the window: wider than it, or a vertical menu
  // with no room on either side for a box about as wide as the menu.
  _tooNarrow() {
    const vp = viewport(this._doc);
    const r = this._wrap.getBoundingClientRect();
    // A bar as wide as the page may still hold more than the page: its items spill out of it.
    const b = this._bar.getBoundingClientRect();
    const left = Math.min(r.left, b.left) + this._win.scrollX;
    const right = Math.max(r.right, b.right) + this._win.scrollX;
    if (right > vp.w + 0.5 || left < -0.5) return true;
    if (this._cfg.isHorizontal) return this._bar.scrollWidth > this._bar.clientWidth + 1;
    if (this._frames || !this._roots.some((n) => n._hasKids)) return false;
    return Math.max(left, vp.w - right) < Math.min(r.width, 160);
  },

  _checkFit() {
    const wrap = this._wrap;
    if (!wrap || !wrap.isConnected) return;
    // Measured as a bar; both class changes happen before the next paint.
    wrap.classList.remove('zm-collapsed');
    const narrow = this._tooNarrow();
    if (narrow && !this._toggleEl) this._makeToggle();
    if (narrow !== this._collapsed) {
      this._hover = null;
      this._setOpen([]);
      this._collapsed = narrow;
      this._show(false);
    }
    wrap.classList.toggle('zm-collapsed', narrow);
  },

  // The "Menu" button, shown instead of the bar while the menu is collapsed; made when it
  // first collapses.
  _makeToggle() {
    const doc = this._doc;
    const tg = this._wrap.insertBefore(make(doc, 'button', `zm-toggle ${this._cls}-sg`), this._bar);
    tg.type = 'button';
    tg.setAttribute('aria-expanded', 'false');
    tg.setAttribute('aria-controls', this._bar.id);
    tg.appendChild(make(doc, 'span', 'zm-burger')).setAttribute('aria-hidden', 'true');
    tg.appendChild(make(doc, 'span', 'zm-label')).textContent = 'Menu';
    tg.addEventListener('click', () => guard(() => this._show(!this._shown)));
    this._toggleEl = tg;
    this._own.add(tg);
  },

  _show(on) {
    this._shown = on;
    this._wrap.classList.toggle('zm-shown', on);
    this._toggleEl.setAttribute('aria-expanded', String(on));
    if (!on) this._setOpen([]);
  },
};
