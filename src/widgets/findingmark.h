#pragma once
// The small marks that say how a check came out: a red disc for an error, an amber triangle for
// a warning, a green tick for a pass. Drawn rather than taken from the platform, so that they
// look alike everywhere.

#include "check/checks.h"

#include <QIcon>

namespace menuloom::widgets {

inline constexpr int kMarkSize = 14;

QIcon findingMark(check::Severity severity);
QIcon passMark();

} // namespace menuloom::widgets
