// The frames: a menu whose top level is in one frame of a frameset and whose submenus open
// in another.
import { guard } from './util.js';
import { str } from './data.js';

function frameList(el) {
  if (!el) return [];
  const tag = el.tagName;
  if (tag === 'FRAME' || tag === 'IFRAME') return [el];
  return Array.from(el.querySelectorAll('frame, iframe'));
}

// The frame elements of the frameset with this id, looked for from this window upwards.
export function findFrames(win, id) {
  const key = str(id);
  for (let w = win, i = 0; w && i < 16; i++) {
    try {
      const el = key ? w.document.getElementById(key) : null;
      if (el) return frameList(el);
    } catch (e) {
      break; // another origin
    }
    if (w.parent === w) break;
    w = w.parent;
  }
  try {
    if (win.parent !== win) return frameList(win.parent.document.documentElement);
  } catch (e) {
    // Not reachable.
  }
  return [];
}

export function whenLoaded(frameEl, fn) {
  const ready = () => {
    try {
      const d = frameEl.contentDocument;
      return d && d.body && d.readyState !== 'loading' && d.URL !== 'about:blank';
    } catch (e) {
      return false;
    }
  };
  if (ready()) fn();
  else frameEl.addEventListener('load', () => guard(fn), { once: true });
}

export const framesMethods = {
  // The document that holds the top level's boxes: the submenu frame's, when it is usable
  // and the menu is not collapsed.
  _boxDoc() {
    if (this._frames && !this._collapsed) {
      try {
        const d = this._frames._subEl.contentDocument;
        if (d && d.body && d.readyState !== 'loading') return d;
      } catch (e) {
        // A frame of another origin: draw the boxes here.
      }
    }
    return this._doc;
  },
};
