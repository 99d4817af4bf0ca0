// The menu's style sheets: the rules every menu shares, and those of one menu's looks.
import { cssLen, cssUrl, make } from './util.js';

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
  // Targets a finger can hit where the primary pointer is coarse, as in the collapsed list.
  '@media (pointer:coarse){.zm-item,.zm-exp{min-height:44px;min-width:44px}.zm-link{min-width:44px}}',
  '.zm-menu.zm-collapsed .zm-item{min-height:44px}',
  '.zm-menu.zm-collapsed .zm-exp{min-width:44px}',
  '.zm-menu.zm-collapsed .zm-sep-v>.zm-line{flex:1;height:1px}',
  '.zm-menu.zm-collapsed .zm-drawn.zm-to-e{border-width:4px 4px 0;border-color:currentColor transparent transparent}',
];

const docsWithBase = new WeakSet();

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

export const rulesMethods = {
  _itemDecls(L, over) {
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
      this._surface(pick(L.itemBackColor), pick(L.itemBackImage), L.itemBorderWidth, style, bc)
    );
  },

  _boxDecls(B) {
    return this._surface(B.menuBackColor, B.menuBackImage, B.menuBorderWidth, B.menuBorderStyle[0], B.menuBorderColor);
  },

  // The background and border declarations of an item or a box.
  _surface(back, img, width, style, color) {
    return (
      `background-color:${back || 'transparent'};background-image:${img ? cssUrl(this._url(img)) : 'none'};` +
      `border-width:${width}px;border-style:${style || 'none'}` +
      (color ? ';border-color:' + color : '')
    );
  },

  _buildRules() {
    const c = this._cfg;
    const k = '.' + this._cls;
    const p = c.itemPadding;
    const align = (a) => 'text-align:' + (a || 'start');
    const shadow = c.shadowLen > 0 ? `box-shadow:${c.shadowLen}px ${c.shadowLen}px 0 ${c.shadowColor || '#808080'};` : '';
    // The button is at least 24 px wide as a target without moving anything: where its arrow
    // and padding are narrower, it reaches back over the end of the link.
    const e = `max(0px,${24 - p}px - .35em)`;
    const r = [
      `${k}.zm-bar,${k}>.zm-list{padding:${c.itemSpacing}px;gap:${c.itemSpacing}px;cursor:default}`,
      `${k}.zm-bar,${k}.zm-box{${this._boxDecls(c)}}`,
      `${k}.zm-box{opacity:${c.transparency / 100};${shadow}}`,
      `${k} .zm-item{padding:${p}px;cursor:${c.itemCursor}}`,
      // An item with a link and a submenu: the link and the button share its padding.
      `${k} .zm-split{padding:0}`,
      `${k} .zm-split>.zm-link{padding:${p}px;padding-inline-end:0}`,
      `${k} .zm-split>.zm-exp{padding:${p}px;padding-inline-start:calc(.35em + ${e});margin-inline-start:calc(-1 * ${e})}`,
      `.zm-toggle.${this._cls}-sg{padding:${Math.max(p, 4)}px ${Math.max(p, 10)}px;cursor:${c.itemCursor}}`,
      `${k}.zm-bar>li>.zm-item .zm-text{${align(c.itemAlign)}}`,
      `${k}>.zm-list>li>.zm-item .zm-text{${align(c.subMenuAlign)}}`,
    ];
    for (let i = -1; i < this._itemStyles.length; i++) {
      const L = this._look(i);
      const s = `.${this._cls}-s${i < 0 ? 'g' : i}`;
      r.push(`${s}{${this._itemDecls(L, false)}}`, `${s}.zm-over,.zm-toggle${s}:hover{${this._itemDecls(L, true)}}`);
    }
    for (let i = 0; i < this._menuStyles.length; i++) r.push(`${k}.zm-box.${this._cls}-m${i}{${this._boxDecls(this._boxLook(i))}}`);
    // Separators: a picture at its size or as given, or a line of the text colour.
    const a = c.separatorAlignment;
    const sepColor = c.fontColor[0] || '#808080';
    const thick = (prop, img, n) => `${prop}:` + (img ? (n ? n + 'px' : 'auto') : (n || 1) + 'px;background:currentColor');
    const w = c.separatorWidth;
    const vh = c.separatorVHeight;
    // Drawn arrows: triangles in the text colour, towards the end of the line (its start
    // border drawn) or down (its top border).
    const aw = c.arrowWidth;
    const ah = c.arrowHeight;
    r.push(
      `${k} .zm-sep-h{padding:${p}px 0;justify-content:${a === 'left' ? 'flex-start' : a === 'right' ? 'flex-end' : 'center'};color:${sepColor}}`,
      `${k} .zm-sep-h>.zm-line{width:${w.n > 0 ? cssLen(w) : '100%'};${thick('height', c.separatorImage, c.separatorHeight)}}`,
      `${k} .zm-sep-v{padding:0 ${p}px;align-items:center;color:${sepColor}}`,
      `${k} .zm-sep-v>.zm-line{${vh.n > 0 ? 'height:' + cssLen(vh) : 'align-self:stretch'};${thick('width', c.separatorVImage, c.separatorVWidth)}}`,
      `${k} .zm-drawn{width:0;height:0;border:solid transparent}`,
      `${k} .zm-drawn.zm-to-e{border-width:${(ah || 8) / 2}px 0;border-inline-start:${aw || 4}px solid currentColor}`,
      `${k} .zm-drawn.zm-to-d{border-width:${ah || 4}px ${(aw || 8) / 2}px 0;border-top-color:currentColor}`,
    );
    return r;
  },

  _install(doc) {
    installBase(doc);
    if (this._docs.has(doc)) return;
    this._docs.add(doc);
    if (!this._rules) this._rules = this._buildRules();
    addSheet(doc, this._rules);
    this._listenDocument(doc);
  },
};
