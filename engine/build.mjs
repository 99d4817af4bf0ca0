// Writes the shipped copy of the engine: the modules of src/ bundled by the pinned esbuild
// into one script that defines zel_init and zel_initFrame, then minified by the pinned terser
// (package-lock.json; scripts/deps.sh installs both). Beside it, NAME.debug.js is the readable
// bundle, for debugging. Usage: node build.mjs OUT
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const out = process.argv[2];
if (!out) {
  console.error('usage: node build.mjs OUT');
  process.exit(2);
}

let build;
let minify;
try {
  ({ build } = await import('esbuild'));
  ({ minify } = await import('terser'));
} catch (e) {
  console.error(`zelmenu.js: esbuild or terser is not installed in ${here}/node_modules (run scripts/deps.sh, or npm ci in engine/)`);
  process.exit(1);
}

// The readable bundle, and one with esbuild's rewriting of the syntax (constants inlined across
// modules), which terser then makes smaller than it makes the readable one.
const bundle = async (minifySyntax) =>
  (
    await build({
      entryPoints: [path.join(here, 'src', 'main.js')],
      bundle: true,
      format: 'iife',
      target: 'es2020',
      write: false,
      legalComments: 'none',
      minifySyntax,
      banner: { js: "/* zelmenu.js, the Menuloom menu engine (readable bundle of engine/src) */\n'use strict';" },
      logLevel: 'error',
    })
  ).outputFiles[0].text;
const readable = await bundle(false);
const compact = await bundle(true);

const result = await minify(compact, {
  ecma: 2020,
  // pure_getters: the engine reads no property for its side effects, so unused or repeated
  // reads may go. hoist_vars: one declaration per function, which packs smaller.
  compress: { passes: 3, unsafe_arrows: true, unsafe_methods: true, pure_getters: true, hoist_vars: true },
  // The engine's own properties and methods are spelt with a leading underscore and are
  // shortened; no name of the browser's, the data file's or the readers' starts with one.
  mangle: { properties: { regex: /^_[A-Za-z]/ } },
  format: { comments: false, preamble: '/* zelmenu.js, the Menuloom menu engine (minified) */' },
});

// Each written beside its target first, so that a failed write leaves the previous copy whole.
function writeAtomically(file, text) {
  const tmp = file + '.tmp';
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, file);
}
writeAtomically(out.replace(/(\.js)?$/, '.debug.js'), readable);
writeAtomically(out, result.code + '\n');
