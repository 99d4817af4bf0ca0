// Targets of the menu as a finger or axe-core sees them.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const AXE = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', 'node_modules', 'axe-core', 'axe.min.js');

// axe-core's rules `rules` run inside the menu: the violations (rule, node, summary) and the
// number of nodes that passed.
export async function runAxe(page, rules) {
  if (!(await page.evaluate(() => !!window.axe))) await page.addScriptTag({ path: AXE });
  return page.evaluate(async (ids) => {
    const r = await window.axe.run({ include: [['nav.zm-menu']] }, { runOnly: { type: 'rule', values: ids }, resultTypes: ['violations', 'passes'] });
    return {
      violations: r.violations.flatMap((v) => v.nodes.map((n) => ({ rule: v.id, impact: n.impact, node: n.target.join(' '), summary: n.failureSummary }))),
      passes: r.passes.reduce((k, p) => k + p.nodes.length, 0),
    };
  }, rules);
}

// The links and buttons of the menus on the page that are shown: their text, whether a
// button, and their size in CSS pixels.
export function visibleTargets(page) {
  return page.evaluate(() =>
    [...document.querySelectorAll('nav.zm-menu a[href], nav.zm-menu button')]
      .filter((e) => e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden')
      .map((e) => {
        const r = e.getBoundingClientRect();
        const cell = e.closest('.zm-item');
        return { text: (cell || e).textContent, button: e.tagName === 'BUTTON', width: Math.round(r.width * 10) / 10, height: Math.round(r.height * 10) / 10 };
      }));
}
