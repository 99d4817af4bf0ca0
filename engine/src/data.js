// Reading the data file: its parameters by kind of value, the style entries and the item tree.
import { root } from './util.js';

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

export const TRANSITION_NONE = 24;

export const TRANSITION_RANDOM = 23;

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

export function toInt(v) {
  if (typeof v === 'number') return Number.isFinite(v) ? Math.round(v) : NaN;
  if (typeof v === 'string' && /^\s*[-+]?\d+\s*$/.test(v)) return parseInt(v, 10);
  return NaN;
}

export function str(v) {
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

export const READ = {
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
export function readGlobals(win) {
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

export function readConfig(raw) {
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
export function itemLook(base, rec) {
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
export function boxLook(base, rec) {
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
export function readLevel(list, from, to, depth, parent) {
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
    if (prev > depth) last._end = i + 1;
    else level.push((last = new Item(list, i, rec, text.slice(bars), depth, parent)));
  }
  return level;
}

class Item {
  constructor(list, i, rec, text, depth, parent) {
    this._list = list;
    this._id = i;
    this._rec = rec;
    this._text = text;
    this._sep = text === '-';
    this._depth = depth;
    this._parent = parent;
    this._end = i + 1;
    this._level = null;
  }

  // Whether it opens a submenu: it has records below it and is not a separator (whose
  // items are left out).
  get _hasKids() {
    return !this._sep && this._end > this._id + 1;
  }

  get _kids() {
    if (!this._level) this._level = this._hasKids ? readLevel(this._list, this._id + 1, this._end, this._depth + 1, this) : [];
    return this._level;
  }
}

export function readDetail(node, cfg, looks, boxes) {
  const rec = node._rec;
  node._link = str(rec[1]).trim();
  node._img1 = str(rec[2]).trim();
  node._img2 = str(rec[3]).trim();
  node._tip = str(rec[4]);
  node._target = str(rec[5]).trim() || cfg.itemTarget;
  node._look = styleIndex(rec[6], looks);
  node._sm = styleIndex(rec[7], boxes);
}
