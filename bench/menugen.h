#pragma once
// Large, realistic menus for the benchmarks: a deterministic function of its arguments.

#include "model/project.h"

namespace menuloom::bench {

// Resets `project` and fills it with `items` items (about 15% at the top level, up to four
// levels), `itemStyles` item styles and `smStyles` submenu styles that between them use every
// style group, item texts, links, tips, targets, some icons and style references, and a few
// parameters away from their defaults. The same arguments always give the same project.
void generateMenu(model::Project& project, int items, int itemStyles = 200, int smStyles = 50,
                  unsigned seed = 1);

// True in the smoke runs that ctest makes (MENULOOM_BENCH_SMOKE set): each benchmark runs once,
// at a small size, only to show that it still works.
bool smokeRun();
// `n`, or a twentieth of it (at least 50) in a smoke run.
int scaled(int n);

} // namespace menuloom::bench
