#pragma once
// Reading a data file back into the project.

#include "model/project.h"

#include <string>
#include <string_view>
#include <system_error>

namespace menuloom::reader {

struct ReadResult {
    enum class Status {
        Ok,
        OpenFailed,    // `message` is the operating system's text for the error
        Empty,         // no lines: fails without a message
        InvalidNumber, // "'%s' is not a valid integer value"; what was read before stays
    };
    Status status = Status::Ok;
    std::string message;  // what the caller shows; empty means show nothing
    std::error_code code; // the system's error for OpenFailed
    bool ok() const { return status == Status::Ok; }
};

// Reads the file at `path` into `project`, which the caller has reset (or built at start-up).
// Sets the project's working folder to the file's folder before the passes run.
// A folder or a file that cannot be read fails like one that does not open. A file that is not
// valid UTF-8 is read as Windows-1252.
ReadResult readDataFile(model::Project& project, const std::string& path);

// The passes over a text already in memory (UTF-8), without touching the working folder.
ReadResult readDataText(model::Project& project, std::string_view text);

} // namespace menuloom::reader
