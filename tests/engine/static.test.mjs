// A page in a sub-folder of a published site (fixtures/site/blog/post.html): static links for
// visitors without scripts right before the data file, whose script tag says where the site's
// root is (data-zel-root="../"). The engine hides the static links from the start, draws the
// menu in their place and takes them out, and its relative links and pictures point where
// they point from the site's root.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { startServer, overrideData, FIXTURES } from './lib/server.mjs';
import { launch } from './lib/browser.mjs';

let server;
let browser;

// /site/... serves fixtures/site, and /site/zel_data.js the data file site.js with the
// parameters of the query (the page's own query, forwarded by the test).
before(async () => {
  server = await startServer((url, res) => {
    if (!url.pathname.startsWith('/site/') || url.pathname.endsWith('/zelmenu.js')) return false;
    const send = (type, body) => {
      res.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
      res.end(body);
    };
    if (url.pathname === '/site/zel_data.js') {
      send('text/javascript', overrideData(fs.readFileSync(path.join(FIXTURES, 'site.js'), 'utf8'), JSON.parse(url.searchParams.get('p') || '[]')));
      return true;
    }
    const file = path.join(FIXTURES, path.normalize(url.pathname).replace(/^(\.\.[/\\])+/, ''));
    if (!fs.existsSync(file)) return false;
    send('text/html', fs.readFileSync(file));
    return true;
  });
  browser = await launch();
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

const ITEMS = JSON.stringify([
  ['Home', 'index.html', 'img/home.svg'],
  ['Blog', 'blog/post.html'],
  ['Help', '/help/index.html'],
  ['Elsewhere', '//other.example/page.html'],
  ['Mail', 'mailto:info@zelvane.example'],
  ['Up', '#top'],
  ['Folder', 'docs\\guide.html'],
]);

// The post, its data file with these parameters; the drawn links, pictures and landmarks.
async function openPost(params) {
  const page = await browser.context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e));
  // The data file's address carries the parameters: rewritten in the page as it is served.
  await page.route('**/zel_data.js', (route) => route.continue({ url: `${server.base}/site/zel_data.js?p=${encodeURIComponent(JSON.stringify(params))}` }));
  await page.goto(`${server.base}/site/blog/post.html`);
  await page.waitForSelector('nav.zm-menu');
  const seen = await page.evaluate(() => ({
    js: document.documentElement.classList.contains('zel-js'),
    staticShown: window.staticShown,
    staticLeft: !!document.getElementById('zelmenu-static'),
    navs: document.querySelectorAll('nav, [role=navigation]').length,
    inHeader: !!document.querySelector('header > nav.zm-menu'),
    links: Object.fromEntries([...document.querySelectorAll('nav.zm-menu a')].map((a) => [a.textContent, a.getAttribute('href')])),
    icon: document.querySelector('nav.zm-menu .zm-icon').src,
    current: [...document.querySelectorAll('[aria-current=page]')].map((a) => a.textContent),
  }));
  await page.close();
  return seen;
}

test('static links give way to the drawn menu, whose relative links and pictures start at the site root', async () => {
  const base = server.base;
  const seen = await openPost([['menuItems', ITEMS]]);
  assert.equal(seen.js, true, 'the engine marks the page as scripted');
  assert.equal(seen.staticShown, 'none', 'the static links are hidden before the menu is drawn');
  assert.equal(seen.staticLeft, false, 'the static links are taken out');
  assert.equal(seen.navs, 1, 'one navigation landmark');
  assert.ok(seen.inHeader, 'drawn where the static links were');
  assert.deepEqual(seen.links, {
    Home: `${base}/site/index.html`,
    Blog: `${base}/site/blog/post.html`,
    Help: `${base}/help/index.html`,
    Elsewhere: 'http://other.example/page.html',
    Mail: 'mailto:info@zelvane.example',
    Up: `${base}/site/blog/post.html#top`,
    Folder: `${base}/site/docs/guide.html`,
  });
  assert.equal(seen.icon, `${base}/site/img/home.svg`);
  // The page found by its address from the site root (a fragment of it is the page too).
  assert.deepEqual(seen.current, ['Blog', 'Up']);

  // pathPrefix first, the root before what is still relative after it.
  const prefixed = await openPost([['menuItems', ITEMS], ['pathPrefix', '"pages/"']]);
  assert.equal(prefixed.links.Home, `${base}/site/pages/index.html`);
  assert.equal(prefixed.links.Help, `${base}/help/index.html`);
  assert.equal(prefixed.icon, `${base}/site/pages/img/home.svg`);
  const absolute = await openPost([['menuItems', ITEMS], ['pathPrefix', '"/shop/"']]);
  assert.equal(absolute.links.Home, `${base}/shop/index.html`, 'a root-relative prefix takes no site root');
});

test('static links stay the navigation when the data file does not load', async () => {
  const page = await browser.context.newPage();
  await page.route('**/zel_data.js', (route) => route.fulfill({ status: 404, body: '' }));
  await page.goto(`${server.base}/site/blog/post.html`);
  const seen = await page.evaluate(() => ({
    js: document.documentElement.classList.contains('zel-js'),
    shown: getComputedStyle(document.getElementById('zelmenu-static')).display,
    drawn: document.querySelectorAll('nav.zm-menu').length,
  }));
  assert.deepEqual(seen, { js: false, shown: 'block', drawn: 0 });
  await page.close();
});
