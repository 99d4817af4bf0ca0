#pragma once
// Atomic writing of generated text files, with results that carry the system's error.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace menuloom::output {

// Outcome of writing a file. `message` is the operating system's text for `code`.
struct WriteResult {
    enum class Kind { Ok, CreateFailed, WriteFailed };
    Kind kind = Kind::Ok;
    std::error_code code;
    std::string message;
    std::string path;

    bool ok() const { return kind == Kind::Ok; }
    explicit operator bool() const { return ok(); }
};

// Writes one chunk to a file descriptor; returns the bytes written or -1 with errno set.
// Tests replace it to fail half-way.
using ChunkWriter = std::function<long(int fd, const char* data, std::size_t size)>;

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that a failure
// leaves any previous file whole. A target that exists but may not be written is refused.
// Without `sync` the data is not flushed to the disk before the rename: for callers that write
// many files and flush them all at once afterwards.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes,
                                const ChunkWriter& writer = {}, bool sync = true);

} // namespace menuloom::output
