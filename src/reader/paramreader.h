#pragma once
// The parameter pass: the crossframe call line and the parameter assignment lines, wherever
// they stand in the file. Its functions throw NumberTooLarge (readstop.h).

#include "model/project.h"
#include "reader/linelist.h"

#include <string_view>

namespace menuloom::reader {

// When `line` holds the crossframe call ("zel_initFrame"), reads its arguments into `settings`,
// switches crossframe support on and returns true; otherwise changes nothing.
bool readCrossframeCall(model::CrossframeSettings& settings, std::string_view line);

// Row of the parameter that a line assigns: the first in table order whose "var" + name occurs
// in the line's blank-free form; -1 for none.
int findLineParameter(const model::TProps& table, std::string_view blankFreeLine);

// Reads an assignment value into the fields of `param` by its type, with every fallback and
// clamp; a type without a reader is left as it is.
void readParameterValue(model::TPropType& param, std::string_view value);

// Runs over every line not yet consumed, in file order, consuming the crossframe call and every
// parameter assignment with a non-empty value.
void parameterPass(LineList& lines, model::Project& project);

} // namespace menuloom::reader
