// Small helpers that every part of the engine shares.

// The window that loaded the engine.
export const root = window;

export function isRelative(p) {
  return !/^[a-z][a-z0-9+.-]*:/i.test(p) && !/^[/\\#?]/.test(p);
}

// A length read by READ.len.
export function cssLen(l) {
  return l.n + (l.pct ? '%' : 'px');
}

export function cssUrl(url) {
  return 'url("' + url.replace(/[\\"]/g, '\\$&').replace(/[\r\n\f]/g, '') + '")';
}

export function viewport(doc) {
  const win = doc.defaultView;
  const el = doc.compatMode === 'BackCompat' ? doc.body : doc.documentElement;
  return { w: (el && el.clientWidth) || win.innerWidth, h: (el && el.clientHeight) || win.innerHeight };
}

// Puts an element at x, y (CSS pixels) in its containing block, positioned `how` if given.
export function moveTo(el, x, y, how) {
  const s = el.style;
  if (how) s.position = how;
  s.left = x + 'px';
  s.top = y + 'px';
}

export function clamp(v, lo, hi) {
  return hi < lo ? lo : Math.min(hi, Math.max(lo, v));
}

export function make(doc, tag, cls) {
  const e = doc.createElement(tag);
  if (cls) e.className = cls;
  return e;
}

// Whether a link leads to the page shown: the same address, its fragment aside.
export function samePage(href, doc) {
  const strip = (u) => u.split('#')[0].replace(/\/index\.html?$/i, '/');
  try {
    return strip(href) === strip(doc.URL);
  } catch (e) {
    return false;
  }
}

export function guard(fn) {
  try {
    return fn();
  } catch (e) {
    try {
      if (root.console) root.console.warn('zelmenu:', e);
    } catch (err) {
      // Nowhere to report it.
    }
    return undefined;
  }
}
