// The pages under test, made by the writer: each variant of the engine tests' site menu is
// read and written again by `menuloom-cli export` (data file, page and engine copy), and a
// loopback server serves the exported folders.
//
//   /v/VARIANT/zelmenu.html, /v/VARIANT/index.html   the exported page (index.html too, so
//                                                    that the Home link is the current page)
//   /v/VARIANT/zel_data.js                           the exported data file
//   .../zelmenu.js                                   the engine under test (ZELMENU_JS)
//   any other .html                                  a small page, for links to follow
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '..', '..', '..', '..');
export const ENGINE = path.resolve(process.env.ZELMENU_JS || path.join(root, 'build', 'zelmenu.js'));
export const CLI = path.resolve(process.env.MENULOOM_CLI || path.join(root, 'build', 'menuloom-cli'));
const SITE = path.join(root, 'tests', 'engine', 'fixtures', 'site.js');

// Sets `var NAME=VALUE;` lines of a data file (keeping its CR LF).
function setVars(text, vars) {
  let out = text;
  for (const [name, value] of Object.entries(vars)) {
    const line = new RegExp(`^var ${name}=.*;(\\r?)$`, 'm');
    if (!line.test(out)) throw new Error(`site.js has no ${name} line`);
    out = out.replace(line, (_, cr) => `var ${name}=${value};${cr}`);
  }
  return out;
}

// A 60-item submenu under "Long", one more level under its last item.
function longItems(text) {
  const rows = [['Home', 'index.html'], ['Long', '']];
  for (let i = 1; i <= 60; i++) rows.push([`|Page ${i}`, `p${i}.html`]);
  rows.push(['||Deep', 'deep.html']);
  const body = rows.map(([t, h]) => `   ["${t}","${h}","","","",,,],`).join('\r\n');
  return text.replace(/^var menuItems = \[[\s\S]*?^\];/m, `var menuItems = [\r\n${body}\r\n];`);
}

export const VARIANTS = {
  bar: (t) => t,
  side: (t) => setVars(t, { isHorizontal: 0 }),
  // Hardware's box 30 px lower, beside Software: the way to it crosses Software.
  intent: (t) => setVars(t, { DY: 30 }),
  narrow: (t) => setVars(t, { itemPadding: 30, fontStyle: '"normal 14pt Arial"' }),
  long: (t) => longItems(t),
  rtl: (t) => t,
  // Three kinds of transition: a clip path, a mask driven by a registered custom property,
  // and a sequence of mask images.
  clip: (t) => setVars(t, { transition: 4, transDuration: 300 }),
  reveal: (t) => setVars(t, { transition: 2, transDuration: 300 }),
  cells: (t) => setVars(t, { transition: 12, transDuration: 300 }),
  pressed: (t) => setVars(t, { pressedItem: 4 }),
};

// Exports every variant into a temporary folder; returns the folder.
export function exportPages() {
  if (!fs.existsSync(CLI)) throw new Error(`${CLI} not found: build menuloom-cli first (or set MENULOOM_CLI)`);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zelmenu-cross-'));
  const site = fs.readFileSync(SITE, 'utf8');
  for (const [name, make] of Object.entries(VARIANTS)) {
    const input = path.join(dir, `${name}-in.js`);
    fs.writeFileSync(input, make(site));
    const r = spawnSync(CLI, ['export', input, path.join(dir, name)], { encoding: 'utf8' });
    if (r.status !== 0) throw new Error(`menuloom-cli export ${name}: ${r.stderr || r.error}`);
  }
  // A right-to-left page: the page's author sets the direction on its root element.
  const rtl = path.join(dir, 'rtl', 'zelmenu.html');
  fs.writeFileSync(rtl, fs.readFileSync(rtl, 'latin1').replace('<HTML>', '<HTML dir="rtl">'), 'latin1');
  return dir;
}

// Collects the page's uncaught errors in every engine alike, before any other script runs.
const COLLECTOR = '<script>window.__errors=[];addEventListener("error",function(e){__errors.push(String(e.message))});' +
  'addEventListener("unhandledrejection",function(e){__errors.push("unhandled rejection: "+e.reason)});</script>';

export function startServer(dir) {
  const server = http.createServer((req, res) => {
    const send = (code, type, body) => {
      res.writeHead(code, { 'Content-Type': type, 'Cache-Control': 'no-store' });
      res.end(body);
    };
    try {
      const p = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname);
      if (p.endsWith('/zelmenu.js')) return send(200, 'text/javascript', fs.readFileSync(ENGINE));
      const m = p.match(/^\/v\/(\w+)\/(zelmenu\.html|index\.html|zel_data\.js)$/);
      if (m && Object.hasOwn(VARIANTS, m[1])) {
        if (m[2] === 'zel_data.js') return send(200, 'text/javascript', fs.readFileSync(path.join(dir, m[1], m[2])));
        const page = fs.readFileSync(path.join(dir, m[1], 'zelmenu.html'), 'latin1').replace(/<head>/i, (h) => h + COLLECTOR);
        return send(200, 'text/html; charset=iso-8859-1', Buffer.from(page, 'latin1'));
      }
      if (p.endsWith('.html')) return send(200, 'text/html', `<html><head><title>${p.replace(/[<&]/g, '')}</title></head><body>linked page</body></html>`);
      send(404, 'text/plain', 'not found');
    } catch (e) {
      send(500, 'text/plain', String(e && e.message));
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      const base = `http://127.0.0.1:${server.address().port}`;
      resolve({ base, page: (variant, name = 'zelmenu.html') => `${base}/v/${variant}/${name}`,
        close: () => new Promise((r) => { server.closeAllConnections(); server.close(r); }) });
    });
  });
}
