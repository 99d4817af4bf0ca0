#pragma once
// The operating system's own words for an error, shared by every part that touches files.

#include <string>

namespace menuloom::util {

// The system's message text for an errno value, e.g. "No such file or directory".
std::string systemMessage(int errnoValue);

} // namespace menuloom::util
