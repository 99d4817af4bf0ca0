// One small API over the three browser engines, so that the test bodies are the same:
// Chromium (DevTools protocol) and Firefox ESR (WebDriver BiDi) through puppeteer-core,
// WebKitGTK's MiniBrowser through WebKitWebDriver (classic WebDriver) and the webdriver client.
//
//   goto(url)            load a page (its error list starts empty)
//   evaluate(fn, arg)    run fn(arg) in the page and return its (JSON) result
//   move(x, y, steps)    move the mouse there in steps
//   click(x, y)          move there and press the left button
//   wheel(x, y, dy)      turn the wheel over that point
//   key(k)               press a key: Tab, Shift+Tab, Enter, Space, Escape, Home, End, Arrow*
//   size(w, h, touch)    make the viewport about that size (a touch screen where touch is
//                        set and the engine can); returns the size it got
//   tap(x, y)            a touch tap; touch is null where that works, else the reason why not
//   errors()             the page's uncaught errors since goto
//   url()                the address shown
//   close()
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import WebDriver from 'webdriver';

export const ENGINES = {
  chromium: { binary: process.env.CHROMIUM || '/usr/bin/chromium', package: 'chromium' },
  firefox: { binary: process.env.FIREFOX || '/usr/bin/firefox-esr', package: 'firefox-esr' },
  webkit: { binary: process.env.WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver', package: 'webkit2gtk-driver' },
};
const MINIBROWSER = process.env.MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const pageErrors = () => (window.__errors || []).slice();

export async function launch(engine) {
  if (engine === 'webkit') return launchWebKit();
  const browser = engine === 'firefox'
    ? await puppeteer.launch({
      browser: 'firefox', executablePath: ENGINES.firefox.binary, headless: true,
      // Touch events on, as on a touch screen (off by default on desktop Linux).
      extraPrefsFirefox: { 'dom.w3c_touch_events.enabled': 1 },
    })
    : await puppeteer.launch({
      executablePath: ENGINES.chromium.binary, headless: true,
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 700 });
  const extra = [];
  page.on('pageerror', (e) => extra.push(String(e && e.message)));
  const KEYS = { Space: ' ' };
  return {
    engine,
    version: await browser.version(),
    // Both emulate a touch screen (Firefox with touch events on).
    touch: null,
    async goto(url) {
      extra.length = 0;
      await page.goto(url);
    },
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    async move(x, y, steps = 1) {
      await page.mouse.move(x, y, { steps });
    },
    async click(x, y) {
      await page.mouse.click(x, y);
    },
    async wheel(x, y, dy) {
      await page.mouse.move(x, y);
      await page.mouse.wheel({ deltaY: dy });
    },
    async key(k) {
      if (k === 'Shift+Tab') {
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
      } else await page.keyboard.press(KEYS[k] || k);
    },
    async size(width, height, touch = false) {
      await page.setViewport({ width, height, hasTouch: touch });
      return page.evaluate(() => ({ width: innerWidth, height: innerHeight }));
    },
    async tap(x, y) {
      await page.touchscreen.tap(x, y);
    },
    async errors() {
      const inPage = await page.evaluate(pageErrors).catch(() => []);
      return [...new Set([...inPage, ...extra])];
    },
    url: async () => page.url(),
    close: () => browser.close(),
  };
}

function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer();
    s.once('error', reject);
    s.listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

// Waits until the driver accepts connections on the port (it takes a moment to start).
async function listening(port, driver) {
  for (let i = 0; i < 200; i++) {
    if (driver.exitCode !== null) throw new Error(`WebKitWebDriver exited with status ${driver.exitCode}`);
    const ok = await new Promise((resolve) => {
      const c = net.connect(port, '127.0.0.1', () => {
        c.end();
        resolve(true);
      });
      c.on('error', () => resolve(false));
    });
    if (ok) return;
    await sleep(50);
  }
  throw new Error(`WebKitWebDriver is not listening on port ${port}`);
}

// WebDriver's key codes.
const WD_KEYS = {
  Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Space: ' ', Home: '\uE011', End: '\uE010',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Shift: '\uE008',
};

async function launchWebKit() {
  const port = await freePort();
  const log = fs.mkdtempSync(path.join(os.tmpdir(), 'zelmenu-wkd-'));
  const driver = spawn(ENGINES.webkit.binary, [`--port=${port}`], { stdio: ['ignore', fs.openSync(path.join(log, 'log'), 'w'), 'inherit'] });
  const stop = () => {
    driver.kill();
    fs.rmSync(log, { recursive: true, force: true });
  };
  let s;
  try {
    await listening(port, driver);
    s = await WebDriver.newSession({
      hostname: '127.0.0.1', port, logLevel: 'silent', connectionRetryCount: 0,
      capabilities: { 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } },
    });
  } catch (e) {
    stop();
    throw e;
  }
  let at = { x: 0, y: 0 };
  const pointer = (actions, type = 'mouse') => s.performActions([{ type: 'pointer', id: type, parameters: { pointerType: type }, actions }]);
  const keys = (actions) => s.performActions([{ type: 'key', id: 'keys', actions }]);
  const r = Math.round;
  const api = {
    engine: 'webkit',
    version: `WebKitGTK ${s.capabilities.browserVersion}`,
    touch: 'WebKitGTK has no touch emulation: WebKitWebDriver sends touch actions as mouse events',
    async goto(url) {
      await s.navigateTo(url);
    },
    evaluate: (fn, arg) => s.executeScript(`return (${fn}).apply(null, arguments)`, arg === undefined ? [] : [arg]),
    async move(x, y, steps = 1) {
      const moves = [];
      for (let i = 1; i <= steps; i++) {
        moves.push({ type: 'pointerMove', origin: 'viewport', x: r(at.x + ((x - at.x) * i) / steps), y: r(at.y + ((y - at.y) * i) / steps), duration: 0 });
      }
      await pointer(moves);
      at = { x, y };
    },
    async click(x, y) {
      await pointer([{ type: 'pointerMove', origin: 'viewport', x: r(x), y: r(y), duration: 0 }, { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]);
      at = { x, y };
    },
    async wheel(x, y, dy) {
      await s.performActions([{ type: 'wheel', id: 'wheel', actions: [{ type: 'scroll', origin: 'viewport', x: r(x), y: r(y), deltaX: 0, deltaY: dy, duration: 0 }] }]);
      at = { x, y };
    },
    async key(k) {
      if (k === 'Shift+Tab') {
        await keys([{ type: 'keyDown', value: WD_KEYS.Shift }, { type: 'keyDown', value: WD_KEYS.Tab }, { type: 'keyUp', value: WD_KEYS.Tab }, { type: 'keyUp', value: WD_KEYS.Shift }]);
      } else {
        const v = WD_KEYS[k] || k;
        await keys([{ type: 'keyDown', value: v }, { type: 'keyUp', value: v }]);
      }
    },
    // The window around the page has a frame and a tool bar: set it, measure, correct once.
    async size(width, height) {
      await s.setWindowRect(null, null, width, height);
      let got = await api.evaluate(() => ({ width: innerWidth, height: innerHeight }));
      if (got.width !== width || got.height !== height) {
        await s.setWindowRect(null, null, 2 * width - got.width, 2 * height - got.height);
        got = await api.evaluate(() => ({ width: innerWidth, height: innerHeight }));
      }
      return got;
    },
    async tap() {
      throw new Error(api.touch);
    },
    errors: () => api.evaluate(pageErrors).catch(() => []),
    url: () => s.getUrl(),
    async close() {
      try {
        await s.deleteSession();
      } finally {
        stop();
      }
    },
  };
  return api;
}
