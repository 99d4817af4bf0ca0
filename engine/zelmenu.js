/*
 * zelmenu.js - the Menuloom menu engine.
 *
 * Draws the cascading drop-down menu that a Menuloom data file describes. The page loads
 * this file in its head and the data file in its body; the data file declares the menu's
 * parameters (blankImage ... saveNavigationPath), itemStyles, menuStyles and menuItems as
 * global variables and its last line starts the engine:
 *
 *   zel_init()                                     the menu where the data file is loaded,
 *                                                  or at posX/posY when absolutePos is set
 *   zel_initFrame(id, topFrame, subFrame, vertical)
 *                                                  the top menu in frame number topFrame of
 *                                                  the frameset with that id, its submenus
 *                                                  in frame number subFrame (same origin)
 *
 * These two functions are the only globals this file defines. The variables are read when
 * the start function runs, so several data files on one page give several menus. A missing
 * or malformed variable falls back to its built-in default, an unusable item or style entry
 * is skipped, and nothing thrown inside the engine reaches the page.
 *
 * What it draws is site navigation, not an application menu: a nav landmark holding nested
 * lists of real links. An item with a submenu has a disclosure button (a button with
 * aria-expanded and aria-controls): its arrow when the item has a link, the whole item when
 * it has none. The submenu's list is nested in the item's list element and drawn as a
 * fly-out box beside or below the item. No menu, menubar or menuitem roles. The link to the
 * page being shown carries aria-current="page"; pressedItem marks its item with
 * aria-current="true".
 *
 * Mouse: hovering opens and closes the boxes, with a grace while the pointer heads for an
 * open box across other items. Touch: a tap on a button opens or closes its submenu, a tap
 * on a link follows it.
 *
 * Keys: Tab and Shift+Tab go through the links and buttons of the levels that are open;
 * Enter or Space on a button opens or closes its submenu; Escape closes the innermost open
 * submenu and puts the focus on its button; Down and Right go to the next link or button
 * of the same list, or into the submenu of an open button; Up and Left go to the previous
 * one; Home and End to the first and last (Right and Left swap on right-to-left pages).
 *
 * Small windows: where the top level does not fit the window's width (a horizontal bar
 * wider than the window, or a vertical menu with no room beside it for its boxes), the menu
 * collapses behind a "Menu" toggle button into one vertical list in the page's flow, whose
 * submenus open in place below their items; every item is then at least 44 px tall. The
 * fit is checked again whenever the window changes size. A box taller than the window is
 * capped at its height and scrolls.
 */
(function (root) {
  'use strict';

  if (typeof root.zel_init === 'function' && root.zel_init.zelmenu) return; // loaded twice

  // ---------------------------------------------------------------------------------------
  // Reading the data file's variables.

  // The parameters by kind of value. One that is missing or unusable reads as its kind's
  // default (READ's default argument), or as the one in DEFAULTS. The kinds in pairs hold
  // a value for the normal and one for the over state.
  // Every parameter of the data file, in the file's order, with the kind of value it holds
  // (the kinds' readers are READ below).
  const PARAMS = (
    'blankImage:img isHorizontal:bool menuWidth:len absolutePos:bool posX:int posY:int ' +
    'floatable:bool floatIterations:uint movable:bool moveCursor:cursor moveImage:img ' +
    'moveWidth:uint moveHeight:uint fontStyle:font fontColor:colors fontDecoration:decos ' +
    'itemBackColor:colors itemBorderWidth:uint itemAlign:align itemBorderColor:colors ' +
    'itemBorderStyle:borders itemBackImage:imgs itemSpacing:uint itemPadding:uint ' +
    'itemCursor:cursor itemTarget:text iconTopWidth:uint iconTopHeight:uint iconWidth:uint ' +
    'iconHeight:uint menuBackImage:img menuBackColor:color menuBorderColor:borderColor ' +
    'menuBorderStyle:borders menuBorderWidth:uint subMenuAlign:align transparency:percent ' +
    'transition:transition transDuration:uint shadowColor:color shadowLen:uint ' +
    'arrowImageMain:imgs arrowImageSub:imgs arrowWidth:uint arrowHeight:uint ' +
    'separatorImage:img separatorWidth:len separatorHeight:uint separatorAlignment:align ' +
    'separatorVImage:img separatorVWidth:uint separatorVHeight:len statusString:text ' +
    'pressedItem:int pathPrefix:text topDX:int topDY:int DX:int DY:int ' +
    'saveNavigationPath:uint'
  ).split(' ');
  const DEFAULTS = { pressedItem: -2, DX: -5, transDuration: 300, statusString: 'link' };
  const KIND = {};
  for (const entry of PARAMS) {
    const [name, kind] = entry.split(':');
    KIND[name] = kind;
  }
  const DATA_NAMES = Object.keys(KIND).concat(['itemStyles', 'menuStyles', 'menuItems']);

  const DECORATIONS = ['none', 'underline', 'overline', 'line-through'];
  const BORDER_STYLES = ['none', 'dotted', 'dashed', 'solid', 'double', 'groove', 'ridge', 'inset', 'outset'];
  const CLOSE_DELAY = 400;
  // Hovering an item that would close an open box waits this long, so that the pointer can
  // cross neighbouring items on its way into that box; while the pointer keeps heading for
  // the box, the wait starts again, up to AIM_DELAY after its last move.
  const SWITCH_DELAY = 150;
  const AIM_DELAY = 400;
  const TRANSITION_NONE = 24;
  const TRANSITION_RANDOM = 23;

  function supports(prop, value) {
    try {
      return !root.CSS || !root.CSS.supports || root.CSS.supports(prop, value);
    } catch (e) {
      return false;
    }
  }

  // A font whose families end without a generic one gets sans-serif, or serif or monospace
  // after the common families of those kinds, so that the menu keeps its kind of face where
  // the chosen family is not installed.
  const GENERIC = /^(serif|sans-serif|monospace|cursive|fantasy|system-ui)$/;
  const SERIF = /^(times( new roman)?|georgia|garamond|palatino( linotype)?|book antiqua|cambria|baskerville)$/;
  const MONO = /^(courier( new)?|consolas|lucida console|monaco)$/;

  function withGeneric(font) {
    let fams = [];
    try {
      const s = root.document.createElement('i').style;
      s.font = font;
      fams = s.fontFamily.split(',').map((f) => f.trim().replace(/^["']|["']$/g, '').toLowerCase());
    } catch (e) {
      // Not parsable here: keep it as it is.
    }
    const last = fams[fams.length - 1];
    if (!last || GENERIC.test(last)) return font;
    return font + ', ' + (SERIF.test(fams[0]) ? 'serif' : MONO.test(fams[0]) ? 'monospace' : 'sans-serif');
  }

  function toInt(v) {
    if (typeof v === 'number') return Number.isFinite(v) ? Math.round(v) : NaN;
    if (typeof v === 'string' && /^\s*[-+]?\d+\s*$/.test(v)) return parseInt(v, 10);
    return NaN;
  }

  function str(v) {
    if (typeof v === 'string') return v;
    if (typeof v === 'number' && Number.isFinite(v)) return String(v);
    return '';
  }

  function trim(v) {
    return typeof v === 'string' ? v.trim() : '';
  }

  function lower(v) {
    return trim(v).toLowerCase();
  }

  // A colour, font or cursor that the browser takes, and that cannot end its CSS rule early.
  function css(prop, v) {
    const s = trim(v);
    return s && !/[;{}]/.test(s) && supports(prop, s) ? s : '';
  }

  function color(v) {
    return css('color', v);
  }

  // A value for each of n states: an array's first n, or one text for all of them.
  function fixed(v, n, read) {
    return Array.from({ length: n }, (_, i) => read(Array.isArray(v) ? v[i] : v));
  }

  const READ = {
    bool(v, d = false) {
      if (v === true || v === 1 || v === '1' || /^true$/i.test(trim(v))) return true;
      if (v === false || v === 0 || v === '0' || /^false$/i.test(trim(v))) return false;
      return d;
    },
    int(v, d = 0) {
      const n = toInt(v);
      return Number.isNaN(n) ? d : n;
    },
    uint(v, d = 0) {
      const n = toInt(v);
      return Number.isNaN(n) || n < 0 ? d : n;
    },
    len(v, d = { n: 0, pct: true }) {
      if (typeof v === 'number') return Number.isFinite(v) && v >= 0 ? { n: Math.round(v), pct: false } : d;
      const m = /^(\d+(?:\.\d+)?)\s*(%|px)?$/i.exec(trim(v));
      return m ? { n: Number(m[1]), pct: m[2] === '%' } : d;
    },
    percent(v, d = 100) {
      const m = /^(\d+)\s*%?$/.exec(trim(v));
      const n = m ? parseInt(m[1], 10) : toInt(v);
      return Number.isNaN(n) ? d : Math.min(100, Math.max(0, n));
    },
    transition(v, d = TRANSITION_NONE) {
      const n = toInt(v);
      return n >= 0 && n <= TRANSITION_NONE ? n : d;
    },
    img: trim,
    text(v, d = '') {
      return typeof v === 'string' || typeof v === 'number' ? str(v) : d;
    },
    cursor(v, d = 'default') {
      const s = lower(v);
      return css('cursor', s === 'hand' ? 'pointer' : s) || d;
    },
    font(v, d = 'normal 8pt Tahoma') {
      return withGeneric(css('font', v) || d);
    },
    color,
    align(v) {
      const s = lower(v);
      return s === 'left' || s === 'center' || s === 'right' ? s : '';
    },
    // One to four colours, as a CSS border-color shorthand.
    borderColor(v) {
      return (Array.isArray(v) ? v : trim(v).split(/\s+/)).map(color).filter(Boolean).slice(0, 4).join(' ');
    },
    colors(v, n = 2) {
      return fixed(v, n, color);
    },
    decos(v, n = 2) {
      return fixed(v, n, (s) => (DECORATIONS.includes((s = lower(s))) ? s : 'none'));
    },
    borders(v, n = 2) {
      return fixed(v, n, (s) => (BORDER_STYLES.includes((s = lower(s))) ? s : ''));
    },
    imgs(v, n = 2) {
      return fixed(v, n, trim);
    },
  };

  // The data file declares its variables with `var`, so they are properties of the window;
  // a hand-written file may use `let`, which only a lookup by name in that window can see.
  function readGlobals(win) {
    const raw = {};
    const missing = [];
    for (const name of DATA_NAMES) {
      let v;
      try {
        v = win[name];
      } catch (e) {
        v = undefined;
      }
      if (v === undefined) missing.push(name);
      raw[name] = v;
    }
    if (missing.length) {
      try {
        const body = missing
          .map((n) => 'try{if(typeof ' + n + '!=="undefined")r.' + n + '=' + n + '}catch(e){}')
          .join('');
        const found = new win.Function('var r={};' + body + 'return r;')();
        for (const n of missing) if (found[n] !== undefined) raw[n] = found[n];
      } catch (e) {
        // A content security policy may forbid it; the defaults stand.
      }
    }
    return raw;
  }

  function readConfig(raw) {
    const cfg = {};
    for (const name in KIND) {
      const read = READ[KIND[name]];
      try {
        cfg[name] = read(raw[name], DEFAULTS[name]);
      } catch (e) {
        cfg[name] = read(undefined, DEFAULTS[name]);
      }
    }
    return cfg;
  }

  // A style entry is an array of "key=value" texts; pairs are "normal,over".
  function readRecord(rec) {
    const out = {};
    if (!Array.isArray(rec)) return out;
    for (const field of rec) {
      if (typeof field !== 'string') continue;
      const eq = field.indexOf('=');
      if (eq > 0) out[field.slice(0, eq).trim()] = field.slice(eq + 1);
    }
    return out;
  }

  function pair(s) {
    const i = s.indexOf(',');
    return i < 0 ? [s, s] : [s.slice(0, i), s.slice(i + 1)];
  }

  // The parameters that item styles and submenu styles may set.
  const ITEM_LOOK = 'fontStyle fontColor fontDecoration itemBackColor itemBorderColor itemBorderWidth itemBorderStyle itemBackImage arrowImageMain arrowImageSub';
  const BOX_LOOK = 'menuBackColor menuBackImage menuBorderColor menuBorderWidth menuBorderStyle';

  // A style entry over `base` (the menu's parameters): each parameter in it replaces the
  // base's, read as a pair where the base has one; a state's colour or picture that cannot
  // be used keeps the base's for that state.
  function itemLook(base, rec) {
    const f = readRecord(rec);
    const L = Object.create(base);
    for (const key of ITEM_LOOK.split(' ')) {
      if (!(key in f)) continue;
      const kind = KIND[key];
      const keep = kind === 'colors' || kind === 'imgs';
      L[key] = Array.isArray(base[key])
        ? READ[kind](pair(f[key]), 2).map((x, i) => x || (keep ? base[key][i] : x))
        : READ[kind](f[key], base[key]);
    }
    return L;
  }

  // Here an unusable colour, border colour or picture keeps the base's; menuBorderStyle is
  // a single style.
  function boxLook(base, rec) {
    const f = readRecord(rec);
    const B = Object.create(base);
    for (const key of BOX_LOOK.split(' ')) {
      if (!(key in f)) continue;
      const read = READ[KIND[key]];
      B[key] = key === 'menuBorderWidth' ? read(f[key], base[key]) : key === 'menuBorderStyle' ? read([f[key]]) : read(f[key]) || base[key];
    }
    return B;
  }

  function styleIndex(v, count) {
    const n = toInt(v);
    return n >= 0 && n < count ? n : -1;
  }

  // Items come in pre-order; each text starts with one "|" per level below the top, and an
  // item is at most one level below the one before it. The tree is read a level at a time,
  // when it is first needed: readLevel makes the items that sit at `depth` among the records
  // list[from..to), each knowing the range of the records below it. The rest of a record
  // waits until its item is drawn (readDetail).
  function readLevel(list, from, to, depth, parent) {
    const level = [];
    let last = null;
    let prev = depth - 1;
    for (let i = from; i < to; i++) {
      const rec = list[i];
      if (!Array.isArray(rec)) continue;
      const text = str(rec[0]);
      let bars = 0;
      while (text.charCodeAt(bars) === 124) bars++;
      prev = Math.min(bars, prev + 1); // this record's level: at most one below the one before
      if (prev > depth) last.end = i + 1;
      else level.push((last = new Item(list, i, rec, text.slice(bars), depth, parent)));
    }
    return level;
  }

  class Item {
    constructor(list, i, rec, text, depth, parent) {
      this.list = list;
      this.id = i;
      this.rec = rec;
      this.text = text;
      this.sep = text === '-';
      this.depth = depth;
      this.parent = parent;
      this.end = i + 1;
      this.level = null;
    }

    // Whether it opens a submenu: it has records below it and is not a separator (whose
    // items are left out).
    get hasKids() {
      return !this.sep && this.end > this.id + 1;
    }

    get kids() {
      if (!this.level) this.level = this.hasKids ? readLevel(this.list, this.id + 1, this.end, this.depth + 1, this) : [];
      return this.level;
    }
  }

  function readDetail(node, cfg, looks, boxes) {
    const rec = node.rec;
    node.link = str(rec[1]).trim();
    node.img1 = str(rec[2]).trim();
    node.img2 = str(rec[3]).trim();
    node.tip = str(rec[4]);
    node.target = str(rec[5]).trim() || cfg.itemTarget;
    node.look = styleIndex(rec[6], looks);
    node.sm = styleIndex(rec[7], boxes);
  }

  // ---------------------------------------------------------------------------------------
  // Paths, styles and measurements.

  function isRelative(p) {
    return !/^[a-z][a-z0-9+.-]*:/i.test(p) && !/^[/\\#?]/.test(p);
  }

  // A length read by READ.len.
  function cssLen(l) {
    return l.n + (l.pct ? '%' : 'px');
  }

  function cssUrl(url) {
    return 'url("' + url.replace(/[\\"]/g, '\\$&').replace(/[\r\n\f]/g, '') + '")';
  }

  function viewport(doc) {
    const win = doc.defaultView;
    const el = doc.compatMode === 'BackCompat' ? doc.body : doc.documentElement;
    return { w: (el && el.clientWidth) || win.innerWidth, h: (el && el.clientHeight) || win.innerHeight };
  }

  // Puts an element at x, y (CSS pixels) in its containing block, positioned `how` if given.
  function moveTo(el, x, y, how) {
    const s = el.style;
    if (how) s.position = how;
    s.left = x + 'px';
    s.top = y + 'px';
  }

  function clamp(v, lo, hi) {
    return hi < lo ? lo : Math.min(hi, Math.max(lo, v));
  }

  // Rules shared by every menu of a document; each menu adds its own looks after them.
  const BASE_RULES = [
    '.zm-menu{display:flex;box-sizing:border-box;margin:0;padding:0;width:max-content;text-align:start;z-index:2147480000}',
    '.zm-menu.zm-h{flex-direction:row;align-items:stretch}',
    '.zm-menu.zm-v{flex-direction:column}',
    '.zm-bar,.zm-list{display:flex;flex-direction:column;box-sizing:border-box;margin:0;list-style:none;text-align:start;float:none}',
    '.zm-bar{flex:1 1 auto}',
    '.zm-bar.zm-h{flex-direction:row}',
    '.zm-box{position:absolute;display:none;flex-direction:column;box-sizing:border-box;margin:0;width:max-content;z-index:2147480001}',
    '.zm-box.zm-open{display:flex}',
    // A box inside a box shows through its parent's opacity already.
    '.zm-box .zm-box{opacity:1!important}',
    // The list scrolls when its box is capped at the window's height; its submenus, placed
    // against the box, stay outside that clip.
    '.zm-list{flex:0 1 auto;min-height:0;overflow-x:hidden;overflow-y:auto;overscroll-behavior:contain}',
    '.zm-li{display:flex;flex-direction:column;margin:0;padding:0}',
    '.zm-bar.zm-fill>.zm-li{flex:1 1 auto}',
    '.zm-li>.zm-item{flex:1 1 auto}',
    // The links and buttons without the page's or the browser's looks; the menu's looks,
    // in its own sheet after this one, then apply over them.
    '.zm-item,.zm-link,.zm-exp,.zm-toggle{appearance:none;margin:0;padding:0;border:0;border-radius:0;background:none;font:inherit;color:inherit;text-align:start;outline:none;-webkit-tap-highlight-color:transparent}',
    '.zm-item:focus-visible,.zm-link:focus-visible,.zm-exp:focus-visible,.zm-toggle:focus-visible{outline:2px solid currentColor;outline-offset:-3px}',
    '.zm-item{display:flex;align-items:center;gap:.35em;box-sizing:border-box;margin:0;white-space:nowrap;float:none}',
    '.zm-item.zm-split{gap:0;align-items:stretch}',
    '.zm-link{display:flex;align-items:center;gap:.35em;flex:1 1 auto;color:inherit;text-decoration:inherit;cursor:inherit}',
    '.zm-exp{display:flex;align-items:center;justify-content:center;flex:none;cursor:inherit}',
    '.zm-text{flex:1 1 auto;display:block}',
    '.zm-icon,.zm-icon-gap,.zm-arrow,.zm-line{flex:none;display:block;border:0;margin:0;padding:0}',
    '.zm-icon:not([src]){visibility:hidden}',
    '.zm-sep{display:flex;flex-direction:row;box-sizing:border-box;margin:0}',
    '.zm-spacer{flex:none;box-sizing:border-box;touch-action:none;user-select:none;background-repeat:no-repeat}',
    '.zm-toggle{display:none;align-items:center;gap:.5em;box-sizing:border-box;min-height:44px;white-space:nowrap}',
    '.zm-burger{display:block;box-sizing:border-box;width:1.25em;height:.9em;border:solid currentColor;border-width:2px 0;background:linear-gradient(currentColor,currentColor) center/100% 2px no-repeat}',
    // Collapsed: the toggle, then the whole menu as one list in the page's flow.
    '.zm-menu.zm-collapsed{display:block!important;position:static!important;width:auto!important}',
    '.zm-collapsed>.zm-toggle{display:flex}',
    '.zm-collapsed>.zm-spacer,.zm-menu.zm-collapsed>.zm-bar{display:none}',
    '.zm-menu.zm-collapsed.zm-shown>.zm-bar{display:flex;flex-direction:column}',
    '.zm-menu.zm-collapsed .zm-box{position:static!important;width:auto;max-height:none!important;margin-inline-start:1.25em}',
    '.zm-menu.zm-collapsed .zm-list{overflow:visible}',
    '.zm-menu.zm-collapsed .zm-item{min-height:44px}',
    '.zm-menu.zm-collapsed .zm-exp{min-width:44px}',
    '.zm-menu.zm-collapsed .zm-sep-v>.zm-line{flex:1;height:1px}',
    '.zm-menu.zm-collapsed .zm-drawn.zm-to-e{border-width:4px 4px 0;border-color:currentColor transparent transparent}',
  ];

  const docsWithBase = new WeakSet();
  const winsWithProperty = new WeakSet();

  // A style element with these rules, parsed in one go. When fewer rules come out than went
  // in (a value that spoils its neighbour, or a rule this browser refuses), they are added
  // again one by one, so that only the refused ones are left out.
  function addSheet(doc, rules) {
    const style = make(doc, 'style');
    style.setAttribute('data-zelmenu', '');
    style.textContent = rules.join('\n');
    (doc.head || doc.documentElement).appendChild(style);
    const sheet = style.sheet;
    if (sheet.cssRules.length === rules.length) return;
    while (sheet.cssRules.length) sheet.deleteRule(0);
    for (const rule of rules) {
      try {
        sheet.insertRule(rule, sheet.cssRules.length);
      } catch (e) {
        // Left out; the rest still applies.
      }
    }
  }

  function installBase(doc) {
    if (docsWithBase.has(doc)) return;
    docsWithBase.add(doc);
    addSheet(doc, BASE_RULES);
  }

  // The mask-based transitions animate this number from 0 to 1.
  function registerProgress(win) {
    if (winsWithProperty.has(win)) return;
    winsWithProperty.add(win);
    try {
      win.CSS.registerProperty({ name: '--zm-t', syntax: '<number>', inherits: false, initialValue: '1' });
    } catch (e) {
      // Already registered by another copy, or not supported: those effects then show plainly.
    }
  }

  // ---------------------------------------------------------------------------------------
  // Transitions: 0..22 are effects, 23 picks one of them, 24 is none.

  function clipFrames(from, to) {
    return [{ clipPath: from }, { clipPath: to }];
  }

  // The box with a hole that closes, from the box's size to the rectangle with these edges
  // (per cent), which may be a line or a point.
  function closing(l, t, r, b) {
    const hole = (l, t, r, b) =>
      `polygon(evenodd, 0% 0%, 100% 0%, 100% 100%, 0% 100%, 0% 0%, ${l}% ${t}%, ${r}% ${t}%, ${r}% ${b}%, ${l}% ${b}%, ${l}% ${t}%)`;
    return clipFrames(hole(0, 0, 100, 100), hole(l, t, r, b));
  }

  // A rectangle that opens from these insets (per cent) to the whole box.
  function opening(t, r, b, l) {
    return clipFrames(`inset(${t}% ${r}% ${b}% ${l}%)`, 'inset(0% 0% 0% 0%)');
  }

  // A triangle that grows from the corner at x, y (0 or 100 per cent) until it covers the box.
  function wedge(x, y) {
    const c = `${x}% ${y}%`;
    return clipFrames(`polygon(${c}, ${c}, ${c})`, `polygon(${c}, ${x ? -101 : 201}% ${y}%, ${x}% ${y ? -101 : 201}%)`);
  }

  // A mask that reads the animated --zm-t: it is set on the box for the animation's length,
  // since inside keyframes the variable would resolve to each keyframe's own value.
  function progressFrames(mask) {
    return { mask, frames: [{ '--zm-t': '0' }, { '--zm-t': '1' }] };
  }

  function shuffled(n) {
    const a = Array.from({ length: n }, (_, i) => i);
    for (let i = n - 1; i > 0; i--) {
      const j = Math.floor(Math.random() * (i + 1));
      [a[i], a[j]] = [a[j], a[i]];
    }
    return a;
  }

  // Cells of a cols x rows grid uncovered in random order, as a sequence of mask images.
  function cellFrames(cols, rows, steps) {
    const order = shuffled(cols * rows);
    const frames = [];
    let d = '';
    let done = 0;
    for (let k = 0; k <= steps; k++) {
      const count = Math.round((order.length * k) / steps);
      for (; done < count; done++) {
        const c = order[done];
        d += `M${c % cols} ${Math.floor(c / cols)}h1v1h-1z`;
      }
      const svg =
        `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${cols} ${rows}" ` +
        `preserveAspectRatio="none" shape-rendering="crispEdges"><path d="${d}"/></svg>`;
      frames.push({
        offset: k / steps,
        maskImage: `url("data:image/svg+xml,${encodeURIComponent(svg)}")`,
        maskSize: '100% 100%',
        maskRepeat: 'no-repeat',
      });
    }
    return frames;
  }

  const checker = (at) => {
    const img = `conic-gradient(from 270deg at ${at}, #000 0deg 90deg, transparent 90deg)`;
    return progressFrames({ maskImage: img + ',' + img, maskSize: '24px 24px', maskPosition: '0px 0px, 12px 12px', maskRepeat: 'repeat' });
  };
  const blinds = (dir) =>
    progressFrames({
      maskImage: `repeating-linear-gradient(${dir}, #000 0px, #000 calc(var(--zm-t) * 12px), transparent calc(var(--zm-t) * 12px), transparent 12px)`,
    });

  // The effects by number: a function that makes the keyframes, and its arguments.
  const EFFECTS = [
    [closing, 50, 50, 50, 50],
    [opening, 50, 50, 50, 50],
    [
      progressFrames,
      {
        maskImage: 'radial-gradient(circle farthest-corner at 50% 50%, transparent calc((1 - var(--zm-t)) * 100%), #000 calc((1 - var(--zm-t)) * 100%))',
      },
    ],
    [clipFrames, 'circle(0% at 50% 50%)', 'circle(72% at 50% 50%)'],
    [opening, 100, 0, 0, 0],
    [opening, 0, 0, 100, 0],
    [opening, 0, 100, 0, 0],
    [opening, 0, 0, 0, 100],
    [blinds, 'to right'],
    [blinds, 'to bottom'],
    [checker, 'calc(var(--zm-t) * 100%) 50%'],
    [checker, '50% calc(var(--zm-t) * 100%)'],
    [cellFrames, 16, 16, 12],
    [closing, 50, 0, 50, 100],
    [opening, 0, 50, 0, 50],
    [closing, 0, 50, 100, 50],
    [opening, 50, 0, 50, 0],
    [wedge, 100, 0],
    [wedge, 100, 100],
    [wedge, 0, 0],
    [wedge, 0, 100],
    [cellFrames, 1, 40, 10],
    [cellFrames, 40, 1, 10],
  ];

  function playTransition(box, cfg) {
    const win = box.ownerDocument.defaultView;
    let n = cfg.transition;
    if (n === TRANSITION_NONE || cfg.transDuration <= 0 || typeof box.animate !== 'function') return;
    try {
      if (win.matchMedia && win.matchMedia('(prefers-reduced-motion: reduce)').matches) return;
    } catch (e) {
      // No media queries: play it.
    }
    if (n === TRANSITION_RANDOM) n = Math.floor(Math.random() * TRANSITION_RANDOM);
    const [effect, ...args] = EFFECTS[n];
    let frames = effect(...args);
    registerProgress(win);
    const mask = frames.mask;
    if (mask) {
      frames = frames.frames;
      Object.assign(box.style, mask);
    }
    // The dissolves step through their many frames evenly.
    const anim = box.animate(frames, { duration: cfg.transDuration, easing: frames.length > 2 ? 'linear' : 'ease-out' });
    if (mask) {
      const clear = () => {
        if (box.getAnimations().some((a) => a !== anim)) return; // reopened meanwhile
        for (const k of Object.keys(mask)) box.style[k] = '';
      };
      anim.onfinish = clear;
      anim.oncancel = clear;
    }
  }

  // ---------------------------------------------------------------------------------------
  // ---------------------------------------------------------------------------------------
  // One menu drawn from one data file.

  let menuCount = 0;

  function make(doc, tag, cls) {
    const e = doc.createElement(tag);
    if (cls) e.className = cls;
    return e;
  }

  // Whether a link leads to the page shown: the same address, its fragment aside.
  function samePage(href, doc) {
    const strip = (u) => u.split('#')[0].replace(/\/index\.html?$/i, '/');
    try {
      return strip(href) === strip(doc.URL);
    } catch (e) {
      return false;
    }
  }

  class Menu {
    constructor(raw, baseURI) {
      this.id = ++menuCount;
      this.cls = 'zm' + this.id;
      this.baseURI = baseURI;
      const c = (this.cfg = readConfig(raw));
      this.itemStyles = Array.isArray(raw.itemStyles) ? raw.itemStyles : [];
      this.menuStyles = Array.isArray(raw.menuStyles) ? raw.menuStyles : [];
      this.looks = new Map();
      this.urls = new Map();
      this.boxLooks = new Map();
      const items = raw.menuItems;
      this.roots = Array.isArray(items) ? readLevel(items, 0, items.length, 0, null) : [];
      this.open = [];
      this.over = new Set();
      this.hover = null;
      this.focus = null;
      this.focusVisible = false;
      this.pressed = null;
      this.toggle = c.pressedItem >= -1;
      this.pointerInside = false;
      this.lastPointer = '';
      this.moves = [];
      this.aimAt = null;
      this.closeTimer = 0;
      this.switchTimer = 0;
      this.busy = false;
      this.collapsed = false;
      this.shown = false;
      this.rtl = null;
      this.frames = null;
      this.nodes = new WeakMap();
      this.own = new WeakSet();
      this.docs = new Set();
      this.rules = null;
      this.pos = { x: c.posX, y: c.posY };
      this.shift = { x: 0, y: 0 };
    }

    look(i) {
      let L = this.looks.get(i);
      if (!L) {
        L = i < 0 ? this.cfg : itemLook(this.cfg, this.itemStyles[i]);
        this.looks.set(i, L);
      }
      return L;
    }

    boxLook(i) {
      let B = this.boxLooks.get(i);
      if (!B) {
        B = i < 0 ? this.cfg : boxLook(this.cfg, this.menuStyles[i]);
        this.boxLooks.set(i, B);
      }
      return B;
    }

    // An address from the data file: backslashes made slashes, a drive path a file address,
    // a relative one put after pathPrefix, all resolved against the data file's page. Kept,
    // since the same pictures recur on many items.
    url(path) {
      if (!path) return '';
      let u = this.urls.get(path);
      if (u === undefined) {
        let p = path.replace(/\\/g, '/');
        if (/^[a-z]:\//i.test(p)) u = 'file:///' + p;
        else {
          if (isRelative(p)) p = this.cfg.pathPrefix + p;
          try {
            u = new URL(p, this.baseURI).href;
          } catch (e) {
            u = p;
          }
        }
        this.urls.set(path, u);
      }
      return u;
    }

    // ----- style sheet ------------------------------------------------------------------

    itemDecls(L, over) {
      const i = over ? 1 : 0;
      const pick = (a) => a[i] || a[0] || '';
      let style = L.itemBorderStyle[i] && L.itemBorderStyle[i] !== 'none' ? L.itemBorderStyle[i] : '';
      let bc = pick(L.itemBorderColor);
      const other = L.itemBorderStyle[1 - i];
      if (!style && other && other !== 'none' && L.itemBorderWidth > 0) {
        // Keep the box the same size in both states.
        style = other;
        bc = 'transparent';
      }
      return (
        `font:${L.fontStyle};color:${pick(L.fontColor) || 'inherit'};text-decoration:${L.fontDecoration[i] || 'none'};` +
        this.surface(pick(L.itemBackColor), pick(L.itemBackImage), L.itemBorderWidth, style, bc)
      );
    }

    boxDecls(B) {
      return this.surface(B.menuBackColor, B.menuBackImage, B.menuBorderWidth, B.menuBorderStyle[0], B.menuBorderColor);
    }

    // The background and border declarations of an item or a box.
    surface(back, img, width, style, color) {
      return (
        `background-color:${back || 'transparent'};background-image:${img ? cssUrl(this.url(img)) : 'none'};` +
        `border-width:${width}px;border-style:${style || 'none'}` +
        (color ? ';border-color:' + color : '')
      );
    }

    buildRules() {
      const c = this.cfg;
      const k = '.' + this.cls;
      const p = c.itemPadding;
      const r = [];
      const align = (a) => 'text-align:' + (a || 'start');
      r.push(`${k}.zm-bar,${k}>.zm-list{padding:${c.itemSpacing}px;gap:${c.itemSpacing}px;cursor:default}`);
      r.push(`${k}.zm-bar,${k}.zm-box{${this.boxDecls(c)}}`);
      const shadow = c.shadowLen > 0 ? `box-shadow:${c.shadowLen}px ${c.shadowLen}px 0 ${c.shadowColor || '#808080'};` : '';
      r.push(`${k}.zm-box{opacity:${c.transparency / 100};${shadow}}`);
      r.push(`${k} .zm-item{padding:${p}px;cursor:${c.itemCursor}}`);
      // An item with a link and a submenu: the link and the button share its padding.
      r.push(`${k} .zm-split{padding:0}`);
      r.push(`${k} .zm-split>.zm-link{padding:${p}px;padding-inline-end:0}`);
      r.push(`${k} .zm-split>.zm-exp{padding:${p}px;padding-inline-start:.35em}`);
      r.push(`.zm-toggle.${this.cls}-sg{padding:${Math.max(p, 4)}px ${Math.max(p, 10)}px;cursor:${c.itemCursor}}`);
      r.push(`${k}.zm-bar>li>.zm-item .zm-text{${align(c.itemAlign)}}`);
      r.push(`${k}>.zm-list>li>.zm-item .zm-text{${align(c.subMenuAlign)}}`);
      for (let i = -1; i < this.itemStyles.length; i++) {
        const L = this.look(i);
        const s = `.${this.cls}-s${i < 0 ? 'g' : i}`;
        r.push(`${s}{${this.itemDecls(L, false)}}`);
        r.push(`${s}.zm-over,.zm-toggle${s}:hover{${this.itemDecls(L, true)}}`);
      }
      for (let i = 0; i < this.menuStyles.length; i++) r.push(`${k}.zm-box.${this.cls}-m${i}{${this.boxDecls(this.boxLook(i))}}`);
      // Separators: a picture at its size or as given, or a line of the text colour.
      const a = c.separatorAlignment;
      const sepColor = c.fontColor[0] || '#808080';
      const thick = (prop, img, n) => `${prop}:` + (img ? (n ? n + 'px' : 'auto') : (n || 1) + 'px;background:currentColor');
      const w = c.separatorWidth;
      const vh = c.separatorVHeight;
      r.push(`${k} .zm-sep-h{padding:${p}px 0;justify-content:${a === 'left' ? 'flex-start' : a === 'right' ? 'flex-end' : 'center'};color:${sepColor}}`);
      r.push(`${k} .zm-sep-h>.zm-line{width:${w.n > 0 ? cssLen(w) : '100%'};${thick('height', c.separatorImage, c.separatorHeight)}}`);
      r.push(`${k} .zm-sep-v{padding:0 ${p}px;align-items:center;color:${sepColor}}`);
      r.push(`${k} .zm-sep-v>.zm-line{${vh.n > 0 ? 'height:' + cssLen(vh) : 'align-self:stretch'};${thick('width', c.separatorVImage, c.separatorVWidth)}}`);
      // Drawn arrows: triangles in the text colour, towards the end of the line (its start
      // border drawn) or down (its top border).
      const aw = c.arrowWidth;
      const ah = c.arrowHeight;
      r.push(`${k} .zm-drawn{width:0;height:0;border:solid transparent}`);
      r.push(`${k} .zm-drawn.zm-to-e{border-width:${(ah || 8) / 2}px 0;border-inline-start:${aw || 4}px solid currentColor}`);
      r.push(`${k} .zm-drawn.zm-to-d{border-width:${ah || 4}px ${(aw || 8) / 2}px 0;border-top-color:currentColor}`);
      return r;
    }

    install(doc) {
      installBase(doc);
      if (this.docs.has(doc)) return;
      this.docs.add(doc);
      if (!this.rules) this.rules = this.buildRules();
      addSheet(doc, this.rules);
      this.listenDocument(doc);
    }

    // ----- building -----------------------------------------------------------------------

    // One list element: a link; a button when the item opens a submenu and has no link; a
    // link and a disclosure button (the arrow) side by side when it has both. The element
    // that carries the item's look is node.el.
    makeItem(node, doc, top, iconSlot) {
      const c = this.cfg;
      const L = this.look(node.look);
      const kids = node.hasKids;
      node.href = node.link ? this.url(node.link) : '';
      const split = kids && !!node.href;
      const li = make(doc, 'li', 'zm-li');
      const cell = li.appendChild(
        make(doc, split ? 'div' : kids ? 'button' : 'a', `zm-item ${this.cls}-s${node.look < 0 ? 'g' : node.look}` + (split ? ' zm-split' : ''))
      );
      const a = split ? cell.appendChild(make(doc, 'a', 'zm-link')) : kids ? null : cell;
      const btn = split ? cell.appendChild(make(doc, 'button', 'zm-exp')) : kids ? cell : null;
      const body = a || cell;
      if (node.href) {
        a.href = node.href;
        if (node.target) a.target = node.target;
        if (samePage(node.href, doc)) a.setAttribute('aria-current', 'page');
      }
      if (node.tip) cell.title = node.tip;
      if (node.img1 || node.img2) {
        const img = make(doc, 'img', 'zm-icon');
        img.alt = '';
        const w = top ? c.iconTopWidth : c.iconWidth;
        const h = top ? c.iconTopHeight : c.iconHeight;
        if (w) img.style.width = w + 'px';
        if (h) img.style.height = h + 'px';
        node.icon = [this.url(node.img1), this.url(node.img2 || node.img1)];
        node.iconEl = img;
        this.setImage(img, node.icon[0]);
        body.appendChild(img);
      } else if (iconSlot) {
        // Keeps the text in line with that of the siblings that have icons.
        const gap = make(doc, 'span', 'zm-icon-gap');
        gap.style.width = (top ? c.iconTopWidth : c.iconWidth) + 'px';
        body.appendChild(gap);
      }
      body.appendChild(make(doc, 'span', 'zm-text')).textContent = node.text;
      if (btn) {
        btn.type = 'button';
        btn.setAttribute('aria-expanded', 'false');
        if (split) btn.setAttribute('aria-label', node.text);
        const pics = top ? L.arrowImageMain : L.arrowImageSub;
        if (pics[0] || pics[1]) {
          const img = make(doc, 'img', 'zm-arrow');
          img.alt = '';
          if (c.arrowWidth) img.style.width = c.arrowWidth + 'px';
          if (c.arrowHeight) img.style.height = c.arrowHeight + 'px';
          node.arrow = [this.url(pics[0] || pics[1]), this.url(pics[1] || pics[0])];
          node.arrowEl = img;
          img.src = node.arrow[0];
          btn.appendChild(img);
        } else {
          // Down below a bar, else towards the end of the line (left on right-to-left pages).
          btn.appendChild(make(doc, 'span', 'zm-arrow zm-drawn zm-to-' + (top && c.isHorizontal ? 'd' : 'e'))).setAttribute('aria-hidden', 'true');
        }
      }
      node.el = cell;
      node.a = a && node.href ? a : null;
      node.btn = btn;
      node.li = li;
      for (const e of [cell, a, btn]) if (e) this.nodes.set(e, node);
      if (this.pressed === node) this.mark(node, true);
      // The submenu's box, empty until it first opens, so that the button can name it.
      if (kids) node.box = this.makeBox(node, doc);
      return li;
    }

    // An icon without a picture has no src, which the style sheet hides, so that no
    // broken-image sign shows.
    setImage(img, src) {
      if (!src && this.cfg.blankImage) src = this.url(this.cfg.blankImage);
      if (src) img.src = src;
      else img.removeAttribute('src');
    }

    makeSeparator(doc, vertical) {
      const c = this.cfg;
      const sep = make(doc, 'li', 'zm-sep ' + (vertical ? 'zm-sep-v' : 'zm-sep-h'));
      sep.setAttribute('role', 'separator');
      sep.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
      const image = vertical ? c.separatorVImage : c.separatorImage;
      const bar = sep.appendChild(make(doc, image ? 'img' : 'span', 'zm-line'));
      if (image) {
        bar.alt = '';
        bar.src = this.url(image);
      }
      return sep;
    }

    fill(list, nodes, doc, top) {
      const c = this.cfg;
      const vertical = top && c.isHorizontal;
      for (const n of nodes) readDetail(n, c, this.itemStyles.length, this.menuStyles.length);
      const slot = !vertical && (top ? c.iconTopWidth : c.iconWidth) > 0 && nodes.some((n) => n.img1 || n.img2);
      for (const node of nodes) list.appendChild(node.sep ? this.makeSeparator(doc, vertical) : this.makeItem(node, doc, top, slot));
    }

    // A submenu's box: nested in the item's list element, or, for the top level of a
    // frameset menu, at the end of the submenu frame's body.
    makeBox(node, doc) {
      const box = make(doc, 'div', `zm-box ${this.cls}` + (node.sm >= 0 ? ` ${this.cls}-m${node.sm}` : ''));
      box.id = `${this.cls}-b${node.id}`;
      const list = box.appendChild(make(doc, 'ul', 'zm-list'));
      this.own.add(box);
      this.own.add(list);
      if (node.li.ownerDocument === doc) {
        node.li.appendChild(box);
        node.btn.setAttribute('aria-controls', box.id);
      } else {
        this.install(doc);
        doc.body.appendChild(box);
        this.wire(box);
      }
      return box;
    }

    wire(el) {
      this.own.add(el);
      const on = (type, fn, capture) => el.addEventListener(type, (e) => guard(() => fn.call(this, e)), capture);
      on('pointerover', this.onPointerOver);
      on('pointermove', this.onPointerMove);
      on('pointerenter', this.onPointerEnter);
      on('pointerleave', this.onPointerLeave);
      on('pointerdown', (e) => {
        this.lastPointer = e.pointerType || 'mouse';
      });
      on('click', this.onClick);
      on('keydown', this.onKey);
      on('focusin', this.onFocusIn);
      on('focusout', this.onFocusOut);
      // A scrolled list moves the items whose boxes are placed against them.
      on('scroll', (e) => {
        for (const n of this.open) if (n.cur && e.target.contains && e.target !== n.cur && e.target.contains(n.el)) this.place(n);
      }, true);
    }

    listenDocument(doc) {
      const on = (type, fn, capture) => doc.addEventListener(type, (e) => guard(() => fn.call(this, e)), capture);
      on('pointerdown', (e) => {
        if (!this.owns(e.target) && this.open.length && !this.collapsed) {
          this.hover = null;
          this.setOpen([]);
        }
      }, true);
      on('keydown', (e) => {
        if (e.key === 'Escape' && this.open.length && !this.collapsed && !this.owns(e.target)) {
          this.hover = null;
          this.setOpen([]);
        }
      });
    }

    owns(el) {
      for (let n = el, i = 0; n && i < 64; n = n.parentNode, i++) if (this.own.has(n) || this.nodes.has(n)) return true;
      return false;
    }

    // Draws the top menu into `doc`, after `anchor` when given, else at the start of the body.
    draw(doc, anchor) {
      if (!this.roots.length) return;
      const c = this.cfg;
      this.doc = doc;
      this.win = doc.defaultView;
      this.install(doc);
      const wrap = make(doc, 'nav', 'zm-menu ' + (c.isHorizontal ? 'zm-h' : 'zm-v'));
      wrap.setAttribute('aria-label', 'Menu');
      const w = c.menuWidth;
      if (w.n > 0) wrap.style.width = cssLen(w);
      if (c.absolutePos) moveTo(wrap, c.posX, c.posY, 'absolute');
      this.wrap = wrap;
      if (anchor && anchor.parentNode && anchor.parentNode !== doc.head && anchor.parentNode !== doc.documentElement) {
        anchor.parentNode.insertBefore(wrap, anchor.nextSibling);
      } else if (doc.body) {
        doc.body.insertBefore(wrap, doc.body.firstChild);
      } else {
        return;
      }
      if (c.movable) wrap.appendChild(this.makeSpacer(doc));
      const bar = make(doc, 'ul', `zm-bar ${this.cls} ` + (c.isHorizontal ? 'zm-h' : 'zm-v') + (w.n > 0 && c.isHorizontal ? ' zm-fill' : ''));
      bar.id = this.cls + '-bar';
      if (c.pressedItem >= 0 && this.roots[c.pressedItem] && !this.roots[c.pressedItem].sep) this.pressed = this.roots[c.pressedItem];
      this.fill(bar, this.roots, doc, true);
      wrap.appendChild(bar);
      this.bar = bar;
      this.own.add(bar);
      this.wire(wrap);
      if (c.absolutePos && c.floatable) this.startFloating();
      this.refreshLooks();
      // The fit is checked in the next frame, before it is painted: measuring now would make
      // the browser lay the page out while it is still being built.
      const again = () => {
        if (!this.fitFrame) {
          this.fitFrame = this.win.requestAnimationFrame(() =>
            guard(() => {
              this.fitFrame = 0;
              this.checkFit();
              for (const n of this.open) if (n.cur) this.place(n);
            }));
        }
      };
      again();
      this.win.addEventListener('resize', again);
      this.win.addEventListener('load', again);
      try {
        this.win.screen.orientation.addEventListener('change', again);
        // Not fonts.ready: asking for it makes the browser lay the page out at once.
        doc.fonts.addEventListener('loadingdone', again);
      } catch (e) {
        // Resizes still come as resize events.
      }
    }

    // Whether the menu runs right to left: read when first needed rather than while drawing,
    // which would make the browser compute the page's styles an extra time.
    isRtl() {
      if (this.rtl === null) this.rtl = this.win.getComputedStyle(this.wrap).direction === 'rtl';
      return this.rtl;
    }

    // ----- the collapsed mode -------------------------------------------------------------

    // Whether the top level does not fit the window: wider than it, or a vertical menu
    // with no room on either side for a box about as wide as the menu.
    tooNarrow() {
      const vp = viewport(this.doc);
      const r = this.wrap.getBoundingClientRect();
      // A bar as wide as the page may still hold more than the page: its items spill out of it.
      const b = this.bar.getBoundingClientRect();
      const left = Math.min(r.left, b.left) + this.win.scrollX;
      const right = Math.max(r.right, b.right) + this.win.scrollX;
      if (right > vp.w + 0.5 || left < -0.5) return true;
      if (this.cfg.isHorizontal) return this.bar.scrollWidth > this.bar.clientWidth + 1;
      if (this.frames || !this.roots.some((n) => n.hasKids)) return false;
      return Math.max(left, vp.w - right) < Math.min(r.width, 160);
    }

    checkFit() {
      const wrap = this.wrap;
      if (!wrap || !wrap.isConnected) return;
      // Measured as a bar; both class changes happen before the next paint.
      wrap.classList.remove('zm-collapsed');
      const narrow = this.tooNarrow();
      if (narrow && !this.toggleEl) this.makeToggle();
      if (narrow !== this.collapsed) {
        this.hover = null;
        this.setOpen([]);
        this.collapsed = narrow;
        this.show(false);
      }
      wrap.classList.toggle('zm-collapsed', narrow);
    }

    // The "Menu" button, shown instead of the bar while the menu is collapsed; made when it
    // first collapses.
    makeToggle() {
      const doc = this.doc;
      const tg = this.wrap.insertBefore(make(doc, 'button', `zm-toggle ${this.cls}-sg`), this.bar);
      tg.type = 'button';
      tg.setAttribute('aria-expanded', 'false');
      tg.setAttribute('aria-controls', this.bar.id);
      tg.appendChild(make(doc, 'span', 'zm-burger')).setAttribute('aria-hidden', 'true');
      tg.appendChild(make(doc, 'span', 'zm-label')).textContent = 'Menu';
      tg.addEventListener('click', () => guard(() => this.show(!this.shown)));
      this.toggleEl = tg;
      this.own.add(tg);
    }

    show(on) {
      this.shown = on;
      this.wrap.classList.toggle('zm-shown', on);
      this.toggleEl.setAttribute('aria-expanded', String(on));
      if (!on) this.setOpen([]);
    }

    // ----- moving and floating ------------------------------------------------------------

    makeSpacer(doc) {
      const c = this.cfg;
      const sp = make(doc, 'div', 'zm-spacer');
      sp.setAttribute('aria-hidden', 'true');
      const horizontal = c.isHorizontal;
      sp.style.width = c.moveWidth ? c.moveWidth + 'px' : horizontal ? '8px' : 'auto';
      sp.style.height = c.moveHeight ? c.moveHeight + 'px' : horizontal ? 'auto' : '8px';
      sp.style.cursor = c.moveCursor;
      if (c.moveImage) {
        sp.style.backgroundImage = cssUrl(this.url(c.moveImage));
        sp.style.backgroundSize = '100% 100%';
      } else {
        sp.style.backgroundColor = c.menuBackColor || '#C0C0C0';
        sp.style.backgroundImage = 'repeating-linear-gradient(45deg, rgba(0,0,0,.25) 0 1px, transparent 1px 3px)';
      }
      this.own.add(sp);
      sp.addEventListener('pointerdown', (e) => guard(() => this.startDrag(e, sp)));
      return sp;
    }

    startDrag(e, sp) {
      if (e.button !== 0) return;
      e.preventDefault();
      this.setOpen([]);
      const sx = e.clientX;
      const sy = e.clientY;
      const start = this.cfg.absolutePos ? { x: this.pos.x, y: this.pos.y } : { x: this.shift.x, y: this.shift.y };
      try {
        sp.setPointerCapture(e.pointerId);
      } catch (err) {
        // Dragging still works while the pointer stays over the spacer.
      }
      const move = (ev) =>
        guard(() => {
          const x = start.x + ev.clientX - sx;
          const y = start.y + ev.clientY - sy;
          if (this.cfg.absolutePos) {
            // A floating menu keeps its place in the window, a fixed one its place on the page.
            this.pos = { x, y };
            const ox = this.floatAt ? this.win.scrollX : 0;
            const oy = this.floatAt ? this.win.scrollY : 0;
            if (this.floatAt) this.floatAt = { x: x + ox, y: y + oy };
            moveTo(this.wrap, x + ox, y + oy);
          } else {
            this.shift = { x, y };
            moveTo(this.wrap, x, y, 'relative');
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
    }

    // Keeps an absolute menu at posX/posY of the window while the page scrolls, closing the
    // distance by a fraction on every frame.
    startFloating() {
      const win = this.win;
      const steps = this.cfg.floatIterations || 8;
      this.floatAt = { x: this.pos.x, y: this.pos.y };
      let frame = 0;
      const step = () =>
        guard(() => {
          frame = 0;
          const tx = win.scrollX + this.pos.x;
          const ty = win.scrollY + this.pos.y;
          const f = this.floatAt;
          let x = f.x + (tx - f.x) / steps;
          let y = f.y + (ty - f.y) / steps;
          if (Math.abs(tx - x) < 1) x = tx;
          if (Math.abs(ty - y) < 1) y = ty;
          this.floatAt = { x, y };
          moveTo(this.wrap, Math.round(x), Math.round(y));
          for (const n of this.open) if (n.cur) this.place(n);
          if (x !== tx || y !== ty) frame = win.requestAnimationFrame(step);
        });
      win.addEventListener('scroll', () => {
        if (!frame) frame = win.requestAnimationFrame(step);
      }, { passive: true });
    }

    // The document that holds the top level's boxes: the submenu frame's, when it is usable
    // and the menu is not collapsed.
    boxDoc() {
      if (this.frames && !this.collapsed) {
        try {
          const d = this.frames.subEl.contentDocument;
          if (d && d.body && d.readyState !== 'loading') return d;
        } catch (e) {
          // A frame of another origin: draw the boxes here.
        }
      }
      return this.doc;
    }

    // ----- opening and closing ------------------------------------------------------------

    ancestors(node) {
      const list = [];
      for (let p = node.parent; p; p = p.parent) list.unshift(p);
      return list;
    }

    pathFor(node) {
      const list = this.ancestors(node);
      if (node.hasKids) list.push(node);
      return list;
    }

    isOpen(node) {
      return this.open.includes(node);
    }

    // Makes `path` (a chain of items from the top level down) the set of open submenus.
    setOpen(path) {
      if (this.busy) return;
      this.busy = true;
      try {
        this.cancelSwitch();
        let keep = 0;
        while (keep < this.open.length && keep < path.length && this.open[keep] === path[keep] && this.alive(path[keep])) keep++;
        for (let i = this.open.length - 1; i >= keep; i--) this.hideBox(this.open[i]);
        this.open = path.slice(0, keep);
        for (let i = keep; i < path.length; i++) {
          if (!this.showBox(path[i])) break;
          this.open.push(path[i]);
        }
        this.refreshLooks();
      } finally {
        this.busy = false;
      }
    }

    alive(node) {
      const box = node.cur;
      return !!box && box.isConnected && box.classList.contains('zm-open');
    }

    showBox(node) {
      if (!node.el || !node.el.isConnected) return false;
      const doc = node.depth ? node.el.ownerDocument : this.boxDoc();
      const far = doc !== node.el.ownerDocument;
      let box = far ? node.far : node.box;
      if (!box || box.ownerDocument !== doc || !box.isConnected) {
        box = this.makeBox(node, doc);
        if (far) node.far = box;
        else node.box = box;
      }
      node.cur = box;
      // A box in the submenu frame takes the menu's direction with it.
      if (this.isRtl()) box.dir = 'rtl';
      // Filled on first opening, and again when its items were last drawn in another box.
      const list = box.firstChild;
      const first = node.kids.find((n) => !n.sep);
      if (!list.firstChild || (first && !(first.el && list.contains(first.el)))) {
        list.textContent = '';
        this.fill(list, node.kids, doc, false);
        for (const n of node.kids) if (this.over.has(n)) this.paint(n, true);
      }
      // A box that is still playing its transition would clip the new one inside it.
      for (const n of this.open) if (n.cur) for (const a of n.cur.getAnimations()) a.finish();
      box.style.zIndex = String(2147480001 + node.depth);
      this.place(node);
      node.btn.setAttribute('aria-expanded', 'true');
      playTransition(box, this.cfg);
      return true;
    }

    hideBox(node) {
      const box = node.cur;
      if (node.btn) node.btn.setAttribute('aria-expanded', 'false');
      if (!box) return;
      try {
        for (const a of box.getAnimations()) a.cancel();
      } catch (e) {
        // Nothing is playing.
      }
      box.classList.remove('zm-open');
      const doc = box.ownerDocument;
      if (doc && box.contains(doc.activeElement)) {
        const back = this.ancestors(node).concat([node]).reverse().find((n) => n.btn && n.btn.isConnected && this.visible(n));
        if (back) back.btn.focus();
      }
    }

    visible(node) {
      return !node.parent || this.alive(node.parent);
    }

    place(node) {
      const box = node.cur;
      box.classList.add('zm-open');
      if (this.collapsed) return;
      const doc = box.ownerDocument;
      const c = this.cfg;
      const rtl = this.isRtl();
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
      const first = node.depth === 0;
      if (first && this.frames && doc !== node.el.ownerDocument) {
        ({ x, y } = this.placeAcross(node, w, h, vp));
      } else {
        const r = node.el.getBoundingClientRect();
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
    }

    // First-level box in the submenu frame: at the frame's edge that faces the top menu,
    // in line with the item along that edge.
    placeAcross(node, w, h, vp) {
      const c = this.cfg;
      const f = this.frames;
      const r = node.el.getBoundingClientRect();
      const tr = f.topEl.getBoundingClientRect();
      const sr = f.subEl.getBoundingClientRect();
      const ox = tr.left + f.topEl.clientLeft - (sr.left + f.subEl.clientLeft);
      const oy = tr.top + f.topEl.clientTop - (sr.top + f.subEl.clientTop);
      const right = sr.left >= tr.right - 1;
      const left = sr.right <= tr.left + 1;
      const below = sr.top >= tr.bottom - 1;
      const above = sr.bottom <= tr.top + 1;
      let side = f.vertical;
      if ((right || left) !== (below || above)) side = right || left;
      if (side) {
        return { x: left ? vp.w - w - c.topDX : c.topDX, y: r.top + oy + c.topDY };
      }
      return { x: this.isRtl() ? r.right + ox - w - c.topDX : r.left + ox + c.topDX, y: above ? vp.h - h - c.topDY : c.topDY };
    }

    scheduleClose() {
      this.cancelClose();
      if (this.collapsed) return;
      const win = this.win;
      this.closeTimer = win.setTimeout(() =>
        guard(() => {
          this.closeTimer = 0;
          if (this.pointerInside) return;
          this.hover = null;
          // Keyboard focus keeps its own path open; focus left by a click does not.
          this.setOpen(this.focus && this.focusVisible ? this.ancestors(this.focus) : []);
        }), CLOSE_DELAY);
    }

    cancelClose() {
      if (this.closeTimer) this.win.clearTimeout(this.closeTimer);
      this.closeTimer = 0;
    }

    // ----- looks --------------------------------------------------------------------------

    refreshLooks() {
      const want = new Set();
      if (this.hover) want.add(this.hover);
      if (this.focus && this.focusVisible) want.add(this.focus);
      if (this.cfg.saveNavigationPath) for (const n of this.open) want.add(n);
      if (this.pressed) want.add(this.pressed);
      for (const n of this.over) if (!want.has(n)) this.paint(n, false);
      for (const n of want) if (!this.over.has(n)) this.paint(n, true);
      this.over = want;
    }

    paint(node, over) {
      if (!node.el) return;
      node.el.classList.toggle('zm-over', over);
      if (node.iconEl) this.setImage(node.iconEl, node.icon[over ? 1 : 0]);
      if (node.arrowEl) node.arrowEl.src = node.arrow[over ? 1 : 0];
    }

    status(node) {
      const c = this.cfg;
      let text = '';
      if (node) text = c.statusString === 'link' ? node.href || '' : c.statusString === 'text' ? node.text : c.statusString;
      try {
        this.win.status = text;
        if (node && node.el.ownerDocument.defaultView !== this.win) node.el.ownerDocument.defaultView.status = text;
      } catch (e) {
        // Some browsers do not let pages set it.
      }
    }

    // ----- pointer ------------------------------------------------------------------------

    nodeAt(target) {
      for (let n = target, i = 0; n && i < 8; n = n.parentNode, i++) {
        const node = this.nodes.get(n);
        if (node) return node;
        if (this.own.has(n)) return null;
      }
      return null;
    }

    onPointerEnter(e) {
      if (e.pointerType === 'touch') return;
      this.pointerInside = true;
      this.cancelClose();
    }

    onPointerLeave(e) {
      if (e.pointerType === 'touch') return;
      this.pointerInside = false;
      if (this.hover) {
        this.hover = null;
        this.status(null);
        this.refreshLooks();
      }
      this.scheduleClose();
    }

    onPointerOver(e) {
      if (e.pointerType === 'touch') return;
      this.pointerInside = true;
      this.cancelClose();
      const node = this.nodeAt(e.target);
      if (node === this.hover) return;
      this.hover = node;
      this.status(node);
      this.cancelSwitch();
      if (!node || this.collapsed) {
        this.refreshLooks();
        return;
      }
      const path = this.pathFor(node);
      if (this.open.every((n, i) => path[i] === n)) {
        this.setOpen(path);
        return;
      }
      this.refreshLooks();
      this.switchLater(node);
    }

    // The last few pointer positions, in the coordinates of one document.
    onPointerMove(e) {
      if (e.pointerType === 'touch') return;
      const m = this.moves;
      const doc = e.target.ownerDocument;
      if (m.length && m[0].doc !== doc) m.length = 0;
      m.push({ x: e.clientX, y: e.clientY, doc });
      if (m.length > 4) m.shift();
      const node = this.aimAt;
      if (node && node === this.hover) {
        if (this.aiming(node)) this.switchLater(node);
        else this.setOpen(this.pathFor(node));
      }
    }

    // Opens the hovered item's path after a short wait, or a longer one while the pointer
    // heads for the box that is open beside it.
    switchLater(node) {
      this.cancelSwitch();
      const aim = this.aiming(node);
      this.aimAt = aim ? node : null;
      this.switchTimer = this.win.setTimeout(() =>
        guard(() => {
          this.switchTimer = 0;
          if (this.hover === node) this.setOpen(this.pathFor(node));
        }), aim ? AIM_DELAY : SWITCH_DELAY);
    }

    cancelSwitch() {
      if (this.switchTimer) this.win.clearTimeout(this.switchTimer);
      this.switchTimer = 0;
      this.aimAt = null;
    }

    // Whether the pointer's last moves bring it nearer to the open box of the list that
    // `node` is in.
    aiming(node) {
      const open = this.open[node.depth];
      const box = open && open !== node && open.cur;
      const m = this.moves;
      if (!box || m.length < 2 || box.ownerDocument !== m[0].doc) return false;
      const b = box.getBoundingClientRect();
      const dist = (p) => Math.hypot(Math.max(b.left - p.x, 0, p.x - b.right), Math.max(b.top - p.y, 0, p.y - b.bottom));
      const d = dist(m[m.length - 1]);
      return d === 0 || d < dist(m[0]) - 1;
    }

    onClick(e) {
      const node = this.nodeAt(e.target);
      if (!node) return;
      const kind = e.pointerType || this.lastPointer;
      this.lastPointer = '';
      if (this.toggle && node.depth === 0) this.press(node);
      if (node.btn && node.btn.contains(e.target)) {
        e.preventDefault();
        // The mouse has opened it already by hovering: a click keeps it open. Keys and
        // taps, and every click on a collapsed menu, open or close it.
        if (kind === 'mouse' && !this.collapsed) this.setOpen(this.pathFor(node));
        else this.setOpen(this.isOpen(node) ? this.ancestors(node) : this.pathFor(node));
        return;
      }
      if (node.href) {
        this.hover = null;
        this.setOpen([]);
      }
    }

    mark(node, on) {
      const t = node.a || node.btn;
      if (!t || t.getAttribute('aria-current') === 'page') return;
      if (on) t.setAttribute('aria-current', 'true');
      else t.removeAttribute('aria-current');
    }

    press(node) {
      if (this.pressed) this.mark(this.pressed, false);
      this.pressed = node;
      this.mark(node, true);
      this.refreshLooks();
    }

    // ----- keyboard -----------------------------------------------------------------------

    onFocusIn(e) {
      const node = this.nodeAt(e.target);
      if (!node) return;
      this.focus = node;
      // A mouse click focuses a link too; only keyboard focus gets the over look.
      try {
        this.focusVisible = e.target.matches(':focus-visible');
      } catch (err) {
        this.focusVisible = true;
      }
      this.cancelClose();
      // Keyboard focus on another item closes the boxes that are not on its way.
      if (this.focusVisible && !this.collapsed && !this.busy) {
        const want = this.pathFor(node);
        let k = 0;
        while (k < this.open.length && this.open[k] === want[k]) k++;
        if (k < this.open.length) this.setOpen(this.open.slice(0, k));
      }
      this.status(node);
      this.refreshLooks();
    }

    onFocusOut() {
      this.win.setTimeout(() =>
        guard(() => {
          if (this.focusIsOurs()) return;
          this.focus = null;
          if (!this.pointerInside && !this.collapsed) this.setOpen([]);
          else this.refreshLooks();
        }), 0);
    }

    focusIsOurs() {
      for (const doc of this.docs) {
        try {
          if (!doc.defaultView) this.docs.delete(doc); // a frame's document that was replaced
          else if (doc.hasFocus() && this.nodes.has(doc.activeElement)) return true;
        } catch (e) {
          this.docs.delete(doc);
        }
      }
      return false;
    }

    // The links and buttons of a list of items, in order.
    stops(list) {
      const out = [];
      for (const n of list) {
        if (n.sep || !n.el || !n.el.isConnected) continue;
        if (n.a) out.push(n.a);
        if (n.btn) out.push(n.btn);
      }
      return out;
    }

    onKey(e) {
      const node = this.nodeAt(e.target);
      if (!node || e.altKey || e.ctrlKey || e.metaKey) return;
      const t = e.target;
      const key = e.key;
      const rtl = this.isRtl();
      const fwd = rtl ? 'ArrowLeft' : 'ArrowRight';
      const back = rtl ? 'ArrowRight' : 'ArrowLeft';
      const list = this.stops(node.parent ? node.parent.kids : this.roots);
      const i = list.indexOf(t);
      let to = null;
      if (key === 'ArrowDown' || key === fwd) {
        to = t === node.btn && this.isOpen(node) ? this.stops(node.kids)[0] : list[i + 1];
      } else if (key === 'ArrowUp' || key === back) {
        to = list[i - 1];
      } else if (key === 'Home' || key === 'End') {
        to = list[key === 'Home' ? 0 : list.length - 1];
      } else if (key === 'Escape') {
        this.escape();
      } else {
        return;
      }
      if (to) to.focus();
      e.preventDefault();
      e.stopPropagation();
    }

    escape() {
      const n = this.open[this.open.length - 1];
      if (n) {
        this.hover = null;
        this.setOpen(this.open.slice(0, -1));
        if (n.btn.isConnected) n.btn.focus();
      } else if (this.collapsed && this.shown) {
        this.show(false);
        this.toggleEl.focus();
      }
    }
  }

  function guard(fn) {
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

  function currentAnchor(doc) {
    const s = doc.currentScript;
    if (s) return s;
    const all = doc.getElementsByTagName('script');
    return all.length ? all[all.length - 1] : null;
  }

  // ---------------------------------------------------------------------------------------
  // Frames.

  function frameList(el) {
    if (!el) return [];
    const tag = el.tagName;
    if (tag === 'FRAME' || tag === 'IFRAME') return [el];
    return Array.from(el.querySelectorAll('frame, iframe'));
  }

  // The frame elements of the frameset with this id, looked for from this window upwards.
  function findFrames(win, id) {
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

  function whenLoaded(frameEl, fn) {
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

  // ---------------------------------------------------------------------------------------
  // The two start functions.

  function zel_init() {
    guard(() => {
      const doc = root.document;
      const anchor = currentAnchor(doc);
      const menu = new Menu(readGlobals(root), doc.baseURI);
      if (!menu.roots.length) return;
      if (doc.body) menu.draw(doc, anchor);
      else doc.addEventListener('DOMContentLoaded', () => guard(() => menu.draw(doc, null)), { once: true });
    });
  }

  function zel_initFrame(id, topFrame, subFrame, vertical) {
    guard(() => {
      const doc = root.document;
      const anchor = currentAnchor(doc);
      const menu = new Menu(readGlobals(root), doc.baseURI);
      if (!menu.roots.length) return;
      const frames = findFrames(root, id);
      const ti = toInt(topFrame);
      const si = toInt(subFrame);
      let topEl = frames[ti];
      const subEl = frames[si];
      if (!topEl) topEl = frames.find((f) => f.contentWindow === root);
      if (!topEl || !subEl || topEl === subEl) {
        menu.draw(doc, anchor);
        return;
      }
      menu.frames = { topEl, subEl, vertical: READ.bool(vertical, false) || str(vertical).trim() === '1' };
      subEl.addEventListener('load', () => guard(() => {
        for (const n of menu.open) if (n.btn) n.btn.setAttribute('aria-expanded', 'false');
        menu.open = [];
        menu.hover = null;
        menu.refreshLooks();
      }));
      if (topEl.contentWindow === root) {
        menu.draw(doc, anchor);
      } else {
        whenLoaded(topEl, () => menu.draw(topEl.contentDocument, null));
      }
    });
  }

  zel_init.zelmenu = true;
  root.zel_init = zel_init;
  root.zel_initFrame = zel_initFrame;
})(window);
