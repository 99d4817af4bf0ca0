#pragma once
// Reading a data file back into the project.

#include "model/project.h"

#include <string>

namespace menuloom::reader {

struct ReadResult {
    enum class Status {
        Ok,
        OpenFailed,    // `message` is the operating system's text for the error
        Empty,         // no lines: fails without a message
        InvalidNumber, // "'%s' is not a valid integer value"; what was read before stays
    };
    Status status = Status::Ok;
    std::string message; // what the caller shows; empty means show nothing
    bool ok() const { return status == Status::Ok; }
};

// Reads the file at `path` into `project`, which the caller has reset (or built at start-up).
// Sets the project's working folder to the file's folder before the passes run.
ReadResult readDataFile(model::Project& project, const std::string& path);

} // namespace menuloom::reader
