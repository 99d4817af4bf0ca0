// Engine benchmark: a generated 1,000-item menu (10 top items, three levels) in headless
// Chromium. Prints the time from the closing call to a drawn menu beside the time to
// evaluate the same data file without the engine, measured in the same run, and the ratio.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { startServer, FIXTURES } from '../../tests/engine/lib/server.mjs';
import { launch } from '../../tests/engine/lib/browser.mjs';

const RUNS = Number(process.env.RUNS || 25);
const here = path.dirname(fileURLToPath(import.meta.url));

// The data file in the writer's layout: the 60 parameter lines of a new menu with a few
// changed, 4 item styles, 3 submenu styles, then 10 x 9 x 10 items, CR LF throughout.
export function generate() {
  const set = { isHorizontal: '1', itemPadding: '3', itemSpacing: '1', fontColor: '["#000000","#FFFFFF"]', itemBackColor: '["#E0E0E0","#3060C0"]', menuBackColor: '"#FFFFFF"', menuBorderColor: '"#C0C0C0 #C0C0C0 #808080 #808080 "', menuBorderStyle: '["solid"]', menuBorderWidth: '1', iconWidth: '16', iconHeight: '16', transition: '24' };
  const params = fs.readFileSync(path.join(FIXTURES, 'empty.js'), 'utf8').split('\r\n')
    .filter((l) => /^var \w+=.*;$/.test(l))
    .map((l) => {
      const name = l.slice(4, l.indexOf('='));
      return name in set ? `var ${name}=${set[name]};` : l;
    });
  const out = ['//Zelvane-Menuloom StyleNames', '//ItemStyles', '//Bold', '//Underlined', '//Bordered', '//Arrows', '//End of ItemStyles', '//SmStyles', '//Green', '//Mint', '//Plain', '//End of SmStyles', '//End of StyleNames', ''];
  out.push(...params, '', 'var itemStyles = [');
  out.push('   ["fontStyle=bold 10pt Verdana","fontColor=#000080,#FFFF00","itemBackColor=#C0D0FF,#000080",],');
  out.push('   ["fontDecoration=underline,none",],');
  out.push('   ["itemBorderColor=#FF0000,#00FF00","itemBorderWidth=1","itemBorderStyle=dashed,solid",],');
  out.push('   ["arrowImageMain=img/a.svg,img/a-over.svg","arrowImageSub=img/b.svg,img/b-over.svg"],');
  out.push('];', '', 'var menuStyles = [');
  out.push('   ["menuBorderColor=#008000","menuBackColor=#FFFFE0","menuBorderWidth=2","menuBorderStyle=double",],');
  out.push('   ["menuBackColor=#E0FFE0",],', '   ["menuBorderWidth=1","menuBorderStyle=solid",],', '];', '', 'var menuItems = [');
  let n = 0;
  const style = (k, m) => (k % m ? `"${k % m}"` : '');
  for (let i = 0; i < 10; i++) {
    out.push(`   ["Section ${i}","section${i}.html","img/s.svg","img/s-over.svg","Section ${i}",,${style(i, 4) || ''},${style(i, 3)}],`);
    n++;
    for (let j = 0; j < 9; j++) {
      out.push(`   ["|Group ${i}.${j}","group${i}-${j}.html","","","Group ${i}.${j}",${j % 3 ? '' : '"_blank"'},${style(j, 4)},${style(j + 1, 3)}],`);
      n++;
      for (let k = 0; k < 10; k++) {
        out.push(`   ["||Page ${i}.${j}.${k}","page${i}-${j}-${k}.html","${k % 4 ? '' : 'img/p.svg'}","","",,${style(k, 4)},],`);
        n++;
      }
    }
  }
  out.push('];', '', 'zel_init();');
  if (n !== 1000) throw new Error(`generated ${n} items`);
  return out.join('\r\n') + '\r\n';
}

const median = (a) => {
  const s = [...a].sort((x, y) => x - y);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// The page evaluates the data file (its text fetched beforehand, so no network is timed):
// mode "parse" with a do-nothing closing call, mode "draw" without the closing call, then
// times zel_init() up to a laid-out menu, and the first opening of every box.
const PAGE = `<HTML><head><script src="zelmenu.js"></script></head><body>
<script>
(async function () {
  const mode = new URLSearchParams(location.search).get('mode');
  const text = await (await fetch('data.js')).text();
  const run = (code) => { const s = document.createElement('script'); s.text = code; document.body.appendChild(s); };
  const r = {};
  if (mode === 'parse') {
    window.zel_init = function () {};
    const t0 = performance.now();
    run(text);
    r.parse = performance.now() - t0;
  } else {
    run(text.replace(/zel_init\\(\\);\\s*$/, ''));
    window.__t = 0;
    run('window.__t = performance.now(); zel_init(); document.querySelector(".zm-bar").getBoundingClientRect(); window.__d = performance.now() - window.__t;');
    r.draw = window.__d;
    r.items = document.querySelectorAll('.zm-item').length;
    const tops = [...document.querySelectorAll('.zm-bar > li > .zm-item')];
    const over = (a) => a.dispatchEvent(new PointerEvent('pointerover', { bubbles: true, pointerType: 'mouse' }));
    let t = performance.now();
    over(tops[0]);
    document.querySelector('.zm-box.zm-open').getBoundingClientRect();
    r.firstOpen = performance.now() - t;
    // A press outside closes everything, so each hover opens at once rather than after
    // the delay that protects a pointer crossing items on its way into a box.
    const away = () => document.body.dispatchEvent(new PointerEvent('pointerdown', { bubbles: true, pointerType: 'mouse' }));
    t = performance.now();
    for (const top of tops) {
      away();
      over(top);
      const groups = [...document.querySelectorAll('.zm-box.zm-open [aria-expanded]')];
      for (const g of groups) {
        away();
        over(top);
        over(g);
        g.closest('li').querySelector('.zm-box.zm-open').getBoundingClientRect();
      }
    }
    r.allOpen = performance.now() - t;
    r.built = document.querySelectorAll('.zm-item').length;
  }
  window.__result = r;
})();
</script></body></HTML>`;

async function main() {
  const data = generate();
  const server = await startServer((url, res) => {
    if (url.pathname === '/bench/data.js') res.writeHead(200, { 'Content-Type': 'text/javascript' }).end(data);
    else if (url.pathname === '/bench/page.html') res.writeHead(200, { 'Content-Type': 'text/html' }).end(PAGE);
    else return false;
    return true;
  });
  const browser = await launch();
  const page = await browser.context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e));
  const parse = [];
  const draw = [];
  const first = [];
  const all = [];
  let built = 0;
  try {
    for (let i = 0; i < RUNS; i++) {
      for (const mode of i % 2 ? ['draw', 'parse'] : ['parse', 'draw']) {
        await page.goto(`${server.base}/bench/page.html?mode=${mode}`);
        const r = await page.waitForFunction(() => window.__result, null, { timeout: 30000 }).then((h) => h.jsonValue());
        if (mode === 'parse') parse.push(r.parse);
        else {
          draw.push(r.draw);
          first.push(r.firstOpen);
          all.push(r.allOpen);
          built = r.built;
        }
      }
    }
  } finally {
    await browser.close();
    await server.close();
  }
  if (errors.length) throw errors[0];
  const f = (x) => x.toFixed(2).padStart(7);
  console.log(`engine benchmark: 1000 items (10 top items, 3 levels), data file ${(data.length / 1024).toFixed(1)} KiB, ${RUNS} runs, median (min)`);
  console.log(`  evaluate data file, no engine     ${f(median(parse))} ms (${f(Math.min(...parse))})`);
  console.log(`  closing call to drawn menu bar    ${f(median(draw))} ms (${f(Math.min(...draw))})`);
  console.log(`  ratio draw / evaluate             ${f(median(draw) / median(parse))}`);
  console.log(`  first opening of a submenu        ${f(median(first))} ms (${f(Math.min(...first))})`);
  console.log(`  opening all 100 submenus          ${f(median(all))} ms (${f(Math.min(...all))}), ${built} items then built`);
}

if (process.argv[1] === fileURLToPath(import.meta.url)) await main();
