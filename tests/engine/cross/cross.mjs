// Runs the bodies of bodies.mjs in each browser engine in turn and prints, for each engine,
// a line with its pass, fail and skip counts, then the total. Exit status 1 if any failed.
//
//   node cross.mjs [ENGINE...] [--only TEXT]     ENGINE: chromium, firefox, webkit (all three)
import fs from 'node:fs';
import { ENGINES, launch } from './lib/drivers.mjs';
import { exportPages, startServer } from './lib/pages.mjs';
import { BODIES } from './bodies.mjs';

const args = process.argv.slice(2);
const only = args.includes('--only') ? args[args.indexOf('--only') + 1] : null;
const engines = args.filter((a, i) => !a.startsWith('--') && args[i - 1] !== '--only');
const chosen = engines.length ? engines : Object.keys(ENGINES);
for (const e of chosen) if (!ENGINES[e]) throw new Error(`unknown engine ${e} (chromium, firefox or webkit)`);
const bodies = BODIES.filter((t) => !only || t.name.includes(only));

const TIMEOUT = 45000;
const within = (promise, ms, what) => {
  let timer;
  return Promise.race([promise, new Promise((_, reject) => { timer = setTimeout(() => reject(new Error(`${what}: no answer within ${ms / 1000} s`)), ms); })])
    .finally(() => clearTimeout(timer));
};
const oneLine = (e) => String((e && e.message) || e).split('\n').filter((l) => l.trim()).slice(0, 6).join(' | ');

// Starts an engine's browser; the result says what it got or why not. The next engine starts
// while the tests run in the current one, since a start takes many seconds on a busy machine.
const starting = {};
function start(engine) {
  if (!engine || starting[engine]) return;
  starting[engine] = !fs.existsSync(ENGINES[engine].binary)
    ? Promise.resolve({ why: `${ENGINES[engine].binary} not found (Debian package: ${ENGINES[engine].package})` })
    : within(launch(engine), 90000, `${engine}: start`).then((b) => ({ b }), (e) => ({ why: `did not start: ${oneLine(e)}` }));
}

const dir = exportPages();
const server = await startServer(dir);
const counts = {};
const started = Date.now();
try {
  for (const [i, engine] of chosen.entries()) {
    const c = (counts[engine] = { passed: 0, failed: 0, skipped: 0 });
    const t0 = Date.now();
    start(engine);
    const { b = null, why } = await starting[engine];
    console.log(`# ${engine}: ${b ? b.version : why}`);
    start(chosen[i + 1]);
    for (const t of bodies) {
      if (!b) {
        c.failed++;
        console.log(`not ok - ${engine}: ${t.name}: the browser did not start`);
        continue;
      }
      const reason = t.skip && t.skip(b);
      if (reason) {
        c.skipped++;
        console.log(`skip - ${engine}: ${t.name}: ${reason}`);
        continue;
      }
      const s = Date.now();
      try {
        // Every body starts in a 1000 x 700 window with the mouse off the menu.
        await within((async () => {
          await b.size(1000, 700);
          await b.move(360, 590);
          await t.run(b, server.page);
          const errors = await b.errors();
          if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);
        })(), TIMEOUT, t.name);
        c.passed++;
        console.log(`ok - ${engine}: ${t.name} (${((Date.now() - s) / 1000).toFixed(1)} s)`);
      } catch (e) {
        c.failed++;
        console.log(`not ok - ${engine}: ${t.name}: ${oneLine(e)}`);
      }
    }
    delete starting[engine];
    if (b) await within(b.close(), 20000, `${engine}: close`).catch((e) => console.log(`# ${engine}: close: ${oneLine(e)}`));
    console.log(`# ${engine}: ${((Date.now() - t0) / 1000).toFixed(1)} s`);
  }
} finally {
  // A browser started ahead and not reached (the run broke off) is closed too.
  for (const p of Object.values(starting)) await p.then(({ b }) => b && b.close()).catch(() => {});
  await server.close();
  fs.rmSync(dir, { recursive: true, force: true });
}

let total = { passed: 0, failed: 0, skipped: 0 };
console.log(`\n# ${((Date.now() - started) / 1000).toFixed(1)} s in all`);
for (const [engine, c] of Object.entries(counts)) {
  console.log(`${engine}: ${c.passed} passed, ${c.failed} failed, ${c.skipped} skipped`);
  total = { passed: total.passed + c.passed, failed: total.failed + c.failed, skipped: total.skipped + c.skipped };
}
console.log(`${total.passed} passed, ${total.failed} failed, ${total.skipped} skipped`);
process.exit(total.failed ? 1 : 0);
