// Writes the shipped copy of the engine: zelmenu.js minified with the pinned terser of
// package-lock.json (installed by scripts/deps.sh). Usage: node build.mjs OUT
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const out = process.argv[2];
if (!out) {
  console.error('usage: node build.mjs OUT');
  process.exit(2);
}

let minify;
try {
  ({ minify } = await import('terser'));
} catch (e) {
  console.error(`zelmenu.js: terser is not installed in ${here}/node_modules (run scripts/deps.sh, or npm ci in engine/)`);
  process.exit(1);
}

// The engine's own property and method names, shortened too. Only names listed here are
// renamed, also those that browsers use for something else (open, draw, show, ...), so
// never list one that the engine uses on a browser object (e.open(), win.frames), one of
// the data file's variables (PARAMS' names) or the value readers (READ's keys), nor one the
// source also spells as a string to index an object with (itemLook's groups).
const OWN = `
  cls cfg looks boxLooks roots open over hover focusVisible pressed
  pointerInside lastPointer moves aimAt closeTimer switchTimer busy collapsed shown rtl frames
  nodes own docs rules pos doc win wrap bar toggleEl fitFrame floatAt
  look boxLook url urls itemDecls boxDecls surface buildRules install listenDocument makeItem setImage
  makeSeparator fill makeBox wire owns draw isRtl tooNarrow checkFit makeToggle show makeSpacer startDrag
  startFloating boxDoc ancestors pathFor isOpen setOpen alive showBox hideBox visible place
  placeAcross scheduleClose cancelClose refreshLooks paint nodeAt onPointerEnter
  onPointerLeave onPointerOver onPointerMove switchLater cancelSwitch aiming onClick mark
  press onFocusIn onFocusOut focusIsOurs stops onKey escape
  list rec end level hasKids kids sep depth link tip img1 img2 sm el a btn li box far cur icon iconEl arrow
  arrowEl topEl subEl vertical mask
`.trim().split(/\s+/);

const source = fs.readFileSync(path.join(here, 'zelmenu.js'), 'utf8');
const result = await minify(source, {
  ecma: 2020,
  // pure_getters: the engine reads no property for its side effects, so unused or repeated
  // reads may go.
  compress: { passes: 3, unsafe_arrows: true, unsafe_methods: true, pure_getters: true },
  mangle: { properties: { builtins: true, regex: new RegExp(`^(${OWN.join('|')})$`) } },
  format: { comments: false, preamble: '/* zelmenu.js, the Menuloom menu engine (minified) */' },
});
// Written beside the target first, so that a failed write leaves the previous copy whole.
const tmp = out + '.tmp';
fs.writeFileSync(tmp, result.code + '\n');
fs.renameSync(tmp, out);
