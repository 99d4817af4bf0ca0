// Drawing the items: links, disclosure buttons, icons, arrows, separators and the boxes.
import { make, samePage } from './util.js';
import { readDetail } from './data.js';

export const itemsMethods = {
  // One list element: a link; a button when the item opens a submenu and has no link; a
  // link and a disclosure button (the arrow) side by side when it has both. The element
  // that carries the item's look is node._el.
  _makeItem(node, doc, top, iconSlot) {
    const c = this._cfg;
    const L = this._look(node._look);
    const kids = node._hasKids;
    node._href = node._link ? this._url(node._link) : '';
    const split = kids && !!node._href;
    const li = make(doc, 'li', 'zm-li');
    const cell = li.appendChild(
      make(doc, split ? 'div' : kids ? 'button' : 'a', `zm-item ${this._cls}-s${node._look < 0 ? 'g' : node._look}` + (split ? ' zm-split' : ''))
    );
    const a = split ? cell.appendChild(make(doc, 'a', 'zm-link')) : kids ? null : cell;
    const btn = split ? cell.appendChild(make(doc, 'button', 'zm-exp')) : kids ? cell : null;
    const body = a || cell;
    if (node._href) {
      a.href = node._href;
      if (node._target) a.target = node._target;
      if (samePage(node._href, doc)) a.setAttribute('aria-current', 'page');
    }
    if (node._tip) cell.title = node._tip;
    if (node._img1 || node._img2) {
      const img = make(doc, 'img', 'zm-icon');
      img.alt = '';
      const w = top ? c.iconTopWidth : c.iconWidth;
      const h = top ? c.iconTopHeight : c.iconHeight;
      if (w) img.style.width = w + 'px';
      if (h) img.style.height = h + 'px';
      node._icon = [this._url(node._img1), this._url(node._img2 || node._img1)];
      node._iconEl = img;
      this._setImage(img, node._icon[0]);
      body.appendChild(img);
    } else if (iconSlot) {
      // Keeps the text in line with that of the siblings that have icons.
      const gap = make(doc, 'span', 'zm-icon-gap');
      gap.style.width = (top ? c.iconTopWidth : c.iconWidth) + 'px';
      body.appendChild(gap);
    }
    body.appendChild(make(doc, 'span', 'zm-text')).textContent = node._text;
    if (btn) {
      btn.type = 'button';
      btn.setAttribute('aria-expanded', 'false');
      if (split) btn.setAttribute('aria-label', node._text);
      const pics = top ? L.arrowImageMain : L.arrowImageSub;
      if (pics[0] || pics[1]) {
        const img = make(doc, 'img', 'zm-arrow');
        img.alt = '';
        if (c.arrowWidth) img.style.width = c.arrowWidth + 'px';
        if (c.arrowHeight) img.style.height = c.arrowHeight + 'px';
        node._arrow = [this._url(pics[0] || pics[1]), this._url(pics[1] || pics[0])];
        node._arrowEl = img;
        img.src = node._arrow[0];
        btn.appendChild(img);
      } else {
        // Down below a bar, else towards the end of the line (left on right-to-left pages).
        btn.appendChild(make(doc, 'span', 'zm-arrow zm-drawn zm-to-' + (top && c.isHorizontal ? 'd' : 'e'))).setAttribute('aria-hidden', 'true');
      }
    }
    node._el = cell;
    node._a = a && node._href ? a : null;
    node._btn = btn;
    node._li = li;
    for (const e of [cell, a, btn]) if (e) this._nodes.set(e, node);
    if (this._pressed === node) this._mark(node, true);
    // The submenu's box, empty until it first opens, so that the button can name it.
    if (kids) node._box = this._makeBox(node, doc);
    return li;
  },

  // An icon without a picture has no src, which the style sheet hides, so that no
  // broken-image sign shows.
  _setImage(img, src) {
    if (!src && this._cfg.blankImage) src = this._url(this._cfg.blankImage);
    if (src) img.src = src;
    else img.removeAttribute('src');
  },

  _makeSeparator(doc, vertical) {
    const c = this._cfg;
    // A list item like the others, so that the list holds only items; the line in it is the
    // separator.
    const sep = make(doc, 'li', 'zm-sep ' + (vertical ? 'zm-sep-v' : 'zm-sep-h'));
    const image = vertical ? c.separatorVImage : c.separatorImage;
    const bar = sep.appendChild(make(doc, image ? 'img' : 'span', 'zm-line'));
    bar.setAttribute('role', 'separator');
    bar.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
    if (image) bar.src = this._url(image);
    return sep;
  },

  _fill(list, nodes, doc, top) {
    const c = this._cfg;
    const vertical = top && c.isHorizontal;
    for (const n of nodes) readDetail(n, c, this._itemStyles.length, this._menuStyles.length);
    const slot = !vertical && (top ? c.iconTopWidth : c.iconWidth) > 0 && nodes.some((n) => n._img1 || n._img2);
    for (const node of nodes) list.appendChild(node._sep ? this._makeSeparator(doc, vertical) : this._makeItem(node, doc, top, slot));
  },

  // A submenu's box: nested in the item's list element, or, for the top level of a
  // frameset menu, at the end of the submenu frame's body.
  _makeBox(node, doc) {
    const box = make(doc, 'div', `zm-box ${this._cls}` + (node._sm >= 0 ? ` ${this._cls}-m${node._sm}` : ''));
    box.id = `${this._cls}-b${node._id}`;
    const list = box.appendChild(make(doc, 'ul', 'zm-list'));
    this._own.add(box);
    this._own.add(list);
    if (node._li.ownerDocument === doc) {
      node._li.appendChild(box);
      node._btn.setAttribute('aria-controls', box.id);
    } else {
      this._install(doc);
      doc.body.appendChild(box);
      this._wire(box);
    }
    return box;
  },
};
