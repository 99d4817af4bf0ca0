// Texts as the user typed them: the data file that the writer made (fixtures/texts.js, kept
// equal to the writer's output by the reader tests) holds quotes, backslashes, both, a script
// end tag, a template placeholder and non-ASCII letters, and the engine shows each exactly.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { env, useBrowser, openMenu, hover, until } from './lib/harness.mjs';

useBrowser();

const TYPED = ['Say "hi"', 'C:\\new\\', 'both \\"q\\" \\\\', '</script><script>bad=1</script>', '${x} `y` 50% off', 'Café Üÿ'];

test('quotes, backslashes, a script end tag and placeholders are drawn as typed', async () => {
  const page = await openMenu('texts.js');
  const cells = await until(page, () => {
    const all = [...document.querySelectorAll('.zm-bar > li > .zm-item')];
    return all.length && all.map((cell) => {
      const a = cell.closest('a') || cell.querySelector('a');
      return { text: cell.textContent, tip: cell.title, href: a && a.getAttribute('href') && a.href, target: a ? a.target : null };
    });
  }, null, 'the bar');
  assert.deepEqual(cells.map((c) => c.text), TYPED);
  assert.deepEqual(cells.map((c) => c.tip), TYPED.map((t, i) => TYPED[(i + 1) % TYPED.length]));
  assert.equal(cells[0].href, new URL('a "b".html', env.server.base + '/').href);
  assert.equal(cells[0].target, '_blank');
  // An item without a target of its own takes the custom itemTarget text.
  assert.equal(cells[3].target, 'frame "x" \\');
  // No text became markup or code.
  assert.equal(await page.evaluate(() => typeof window.bad), 'undefined');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.zm-menu script, .zm-menu b').length), 0);
  // The custom statusString text, shown while the pointer is on an item.
  await hover(page, 'Say "hi"');
  await until(page, () => window.status, null, 'status text');
  assert.equal(await page.evaluate(() => window.status), 'Status "s" \\ ${x}');
  assert.deepEqual(page.errors, []);
  await page.close();
});
