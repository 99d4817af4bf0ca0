#pragma once
// Text encoding of data files: model texts are UTF-8; files from older single-byte tools are
// Windows-1252 and are converted on reading.

#include <string>
#include <string_view>

namespace menuloom::reader {

// Whether `bytes` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The UTF-8 text of Windows-1252 bytes. The five bytes that code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// The text of a data file as UTF-8: valid UTF-8 stays as it is (a leading byte-order mark is
// dropped), anything else is taken as Windows-1252 and converted.
std::string decodeDataFileText(std::string bytes);

} // namespace menuloom::reader
