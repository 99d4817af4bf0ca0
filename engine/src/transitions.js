// Transitions of the boxes: 0..22 are effects, 23 picks one of them, 24 is none.
import { TRANSITION_NONE, TRANSITION_RANDOM } from './data.js';

const winsWithProperty = new WeakSet();

// The mask-based transitions animate this number from 0 to 1.
function registerProgress(win) {
  if (winsWithProperty.has(win)) return;
  winsWithProperty.add(win);
  try {
    win.CSS.registerProperty({ name: '--zm-t', syntax: '<number>', inherits: false, initialValue: '1' });
  } catch (e) {
    // Already registered by another copy, or not supported: those effects then show plainly.
  }
}

function clipFrames(from, to) {
  return [{ clipPath: from }, { clipPath: to }];
}

// The box with a hole that closes, from the box's size to the rectangle with these edges
// (per cent), which may be a line or a point.
function closing(l, t, r, b) {
  const hole = (l, t, r, b) =>
    `polygon(evenodd, 0% 0%, 100% 0%, 100% 100%, 0% 100%, 0% 0%, ${l}% ${t}%, ${r}% ${t}%, ${r}% ${b}%, ${l}% ${b}%, ${l}% ${t}%)`;
  return clipFrames(hole(0, 0, 100, 100), hole(l, t, r, b));
}

// A rectangle that opens from these insets (per cent) to the whole box.
function opening(t, r, b, l) {
  return clipFrames(`inset(${t}% ${r}% ${b}% ${l}%)`, 'inset(0% 0% 0% 0%)');
}

// A triangle that grows from the corner at x, y (0 or 100 per cent) until it covers the box.
function wedge(x, y) {
  const c = `${x}% ${y}%`;
  return clipFrames(`polygon(${c}, ${c}, ${c})`, `polygon(${c}, ${x ? -101 : 201}% ${y}%, ${x}% ${y ? -101 : 201}%)`);
}

// A mask that reads the animated --zm-t: it is set on the box for the animation's length,
// since inside keyframes the variable would resolve to each keyframe's own value.
function progressFrames(mask) {
  return { _mask: mask, _frames: [{ '--zm-t': '0' }, { '--zm-t': '1' }] };
}

function shuffled(n) {
  const a = Array.from({ length: n }, (_, i) => i);
  for (let i = n - 1; i > 0; i--) {
    const j = Math.floor(Math.random() * (i + 1));
    [a[i], a[j]] = [a[j], a[i]];
  }
  return a;
}

// Cells of a cols x rows grid uncovered in random order, as a sequence of mask images.
function cellFrames(cols, rows, steps) {
  const order = shuffled(cols * rows);
  const frames = [];
  let d = '';
  let done = 0;
  for (let k = 0; k <= steps; k++) {
    const count = Math.round((order.length * k) / steps);
    for (; done < count; done++) {
      const c = order[done];
      d += `M${c % cols} ${Math.floor(c / cols)}h1v1h-1z`;
    }
    const svg =
      `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${cols} ${rows}" ` +
      `preserveAspectRatio="none" shape-rendering="crispEdges"><path d="${d}"/></svg>`;
    frames.push({
      offset: k / steps,
      maskImage: `url("data:image/svg+xml,${encodeURIComponent(svg)}")`,
      maskSize: '100% 100%',
      maskRepeat: 'no-repeat',
    });
  }
  return frames;
}

const checker = (at) => {
  const img = `conic-gradient(from 270deg at ${at}, #000 0deg 90deg, transparent 90deg)`;
  return progressFrames({ maskImage: img + ',' + img, maskSize: '24px 24px', maskPosition: '0px 0px, 12px 12px', maskRepeat: 'repeat' });
};

const blinds = (dir) =>
  progressFrames({
    maskImage: `repeating-linear-gradient(${dir}, #000 0px, #000 calc(var(--zm-t) * 12px), transparent calc(var(--zm-t) * 12px), transparent 12px)`,
  });

// The effects by number: a function that makes the keyframes, and its arguments.
const EFFECTS = [
  [closing, 50, 50, 50, 50],
  [opening, 50, 50, 50, 50],
  [
    progressFrames,
    {
      maskImage: 'radial-gradient(circle farthest-corner at 50% 50%, transparent calc((1 - var(--zm-t)) * 100%), #000 calc((1 - var(--zm-t)) * 100%))',
    },
  ],
  [clipFrames, 'circle(0% at 50% 50%)', 'circle(72% at 50% 50%)'],
  [opening, 100, 0, 0, 0],
  [opening, 0, 0, 100, 0],
  [opening, 0, 100, 0, 0],
  [opening, 0, 0, 0, 100],
  [blinds, 'to right'],
  [blinds, 'to bottom'],
  [checker, 'calc(var(--zm-t) * 100%) 50%'],
  [checker, '50% calc(var(--zm-t) * 100%)'],
  [cellFrames, 16, 16, 12],
  [closing, 50, 0, 50, 100],
  [opening, 0, 50, 0, 50],
  [closing, 0, 50, 100, 50],
  [opening, 50, 0, 50, 0],
  [wedge, 100, 0],
  [wedge, 100, 100],
  [wedge, 0, 0],
  [wedge, 0, 100],
  [cellFrames, 1, 40, 10],
  [cellFrames, 40, 1, 10],
];

export function playTransition(box, cfg) {
  const win = box.ownerDocument.defaultView;
  let n = cfg.transition;
  if (n === TRANSITION_NONE || cfg.transDuration <= 0 || typeof box.animate !== 'function') return;
  try {
    if (win.matchMedia && win.matchMedia('(prefers-reduced-motion: reduce)').matches) return;
  } catch (e) {
    // No media queries: play it.
  }
  if (n === TRANSITION_RANDOM) n = Math.floor(Math.random() * TRANSITION_RANDOM);
  const [effect, ...args] = EFFECTS[n];
  let frames = effect(...args);
  registerProgress(win);
  const mask = frames._mask;
  if (mask) {
    frames = frames._frames;
    Object.assign(box.style, mask);
  }
  // The dissolves step through their many frames evenly.
  const anim = box.animate(frames, { duration: cfg.transDuration, easing: frames.length > 2 ? 'linear' : 'ease-out' });
  if (mask) {
    const clear = () => {
      if (box.getAnimations().some((a) => a !== anim)) return; // reopened meanwhile
      for (const k of Object.keys(mask)) box.style[k] = '';
    };
    anim.onfinish = clear;
    anim.oncancel = clear;
  }
}
