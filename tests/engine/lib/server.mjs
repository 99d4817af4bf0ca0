// A loopback HTTP server for the engine's browser tests and benchmark.
//
//   /zelmenu.js, .../zelmenu.js   the engine under test: the shipped copy in ZELMENU_JS
//   /page?tpl=page|preview|rtl|standard&data=URL[&data=URL...]
//                                 a page template (the designer's page or preview page) that
//                                 loads zelmenu.js and then the data file(s) at URL; rtl
//                                 makes it a right-to-left page, standard a no-quirks one
//   /data/FILE?NAME=VALUE&...     fixture data file FILE with the parameter line of NAME set
//                                 to the JavaScript text VALUE; _call=TEXT replaces the
//                                 closing call
//   /img/NAME.svg                 a 20x10 picture whose colour depends on NAME
//   /frames/...                   the frameset fixtures
//   /examples/...                 the example menus of the repository, as they are
//   any other .html               a small page, so that links can be followed
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const FIXTURES = path.resolve(here, '..', 'fixtures');
export const ENGINE = path.resolve(process.env.ZELMENU_JS || path.join(here, '..', '..', '..', 'build', 'zelmenu.js'));
export const EXAMPLES = path.resolve(here, '..', '..', '..', 'examples');

const TYPES = { '.js': 'text/javascript', '.html': 'text/html', '.svg': 'image/svg+xml', '.png': 'image/png' };

function escapeHtml(s) {
  return s.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
}

// Replaces `var NAME=...;` lines of a data file; the rest keeps its bytes and CR LF.
export function overrideData(text, params) {
  let out = text;
  for (const [name, value] of params) {
    if (name === '_call') {
      out = out.replace(/^zel_init(Frame)?\(.*\);\r?$/m, value);
      continue;
    }
    const id = name.replace(/[^\w]/g, '');
    const line = new RegExp('^var ' + id + '=.*;(\\r?)$', 'm');
    const block = new RegExp('^var ' + id + ' = \\[[\\s\\S]*?^\\];(\\r?)$', 'm');
    if (line.test(out)) out = out.replace(line, (_, cr) => `var ${id}=${value};${cr}`);
    else if (block.test(out)) out = out.replace(block, (_, cr) => `var ${id}=${value};${cr}`);
    else out = `var ${id}=${value};\r\n` + out;
  }
  return out;
}

function svg(name) {
  let h = 0;
  for (const ch of name) h = (h * 31 + ch.charCodeAt(0)) >>> 0;
  const c = '#' + (h & 0xffffff).toString(16).padStart(6, '0');
  return `<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10"><rect width="20" height="10" fill="${c}"/></svg>`;
}

// extra(url, res) may answer a request itself and return true.
export function startServer(extra) {
  const server = http.createServer((req, res) => {
    try {
      const url = new URL(req.url, 'http://127.0.0.1');
      const send = (code, type, body) => {
        res.writeHead(code, { 'Content-Type': type, 'Cache-Control': 'no-store' });
        res.end(body);
      };
      if (extra && extra(url, res)) return;
      const p = decodeURIComponent(url.pathname);
      if (p.endsWith('/zelmenu.js')) return send(200, TYPES['.js'], fs.readFileSync(ENGINE));
      if (p === '/page') {
        const tpl = url.searchParams.get('tpl') || 'page';
        let text = fs.readFileSync(path.join(FIXTURES, tpl === 'preview' ? 'preview.html' : 'page.html'), 'latin1');
        if (tpl === 'rtl') text = text.replace('<HTML>', '<HTML dir="rtl">');
        if (tpl === 'standard') text = '<!DOCTYPE html>\r\n' + text;
        // Several data= load several data files, each with its own script element.
        const data = url.searchParams.getAll('data');
        text = text.replace(/^.*@@@.*$/m, (line) => (data.length ? data : ['data/site.js']).map((d) => line.replace('@@@', escapeHtml(d))).join('\n'));
        return send(200, TYPES['.html'], Buffer.from(text, 'latin1'));
      }
      if (p.startsWith('/data/')) {
        const file = path.join(FIXTURES, path.normalize(p.slice(6)).replace(/^(\.\.[/\\])+/, ''));
        const text = overrideData(fs.readFileSync(file, 'utf8'), url.searchParams.entries());
        return send(200, TYPES['.js'], Buffer.from(text, 'utf8'));
      }
      if (p.startsWith('/img/') && p.endsWith('.svg')) return send(200, TYPES['.svg'], svg(p));
      if (p.startsWith('/frames/')) {
        const file = path.join(FIXTURES, 'frames', path.basename(p));
        if (fs.existsSync(file)) return send(200, TYPES[path.extname(file)] || 'text/plain', fs.readFileSync(file));
      }
      if (p.startsWith('/examples/')) {
        const file = path.join(EXAMPLES, path.normalize(p.slice(10)).replace(/^(\.\.[/\\])+/, ''));
        if (fs.existsSync(file)) return send(200, TYPES[path.extname(file)] || 'text/plain', fs.readFileSync(file));
      }
      if (p.endsWith('.html')) return send(200, TYPES['.html'], `<html><head><title>${escapeHtml(p)}</title></head><body>${escapeHtml(p)}</body></html>`);
      send(404, 'text/plain', 'not found');
    } catch (e) {
      res.writeHead(500, { 'Content-Type': 'text/plain' });
      res.end(String(e && e.message));
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      resolve({ base: `http://127.0.0.1:${port}`, close: () => new Promise((r) => { server.closeAllConnections(); server.close(r); }) });
    });
  });
}
