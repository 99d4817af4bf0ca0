#include "reader/datareader.h"

#include "reader/blockreader.h"
#include "reader/encoding.h"
#include "reader/linelist.h"
#include "reader/paramreader.h"
#include "reader/readstop.h"
#include "util/systemmessage.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace menuloom::reader {

namespace {

ReadResult openFailure(int error) {
    ReadResult r;
    r.status = ReadResult::Status::OpenFailed;
    r.code = std::error_code(error, std::generic_category());
    r.message = util::systemMessage(error);
    return r;
}

// Reads the whole file; a folder, or a read error, fails like a file that does not open.
ReadResult loadFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return openFailure(errno);
    int error = 0;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else {
        // Read straight into the string: sized from the file, grown if the file grows.
        std::size_t used = 0;
        bytes.resize(S_ISREG(info.st_mode) && info.st_size > 0
                         ? static_cast<std::size_t>(info.st_size) + 1
                         : std::size_t{1} << 16);
        while (true) {
            if (used == bytes.size())
                bytes.resize(bytes.size() * 2);
            const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (n > 0) {
                used += static_cast<std::size_t>(n);
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                error = errno;
                break;
            }
        }
        bytes.resize(used);
    }
    ::close(fd);
    return error ? openFailure(error) : ReadResult{};
}

std::string folderOfOpened(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return model::folderOf(ec ? path : full.string());
}

} // namespace

ReadResult readDataText(model::Project& project, std::string_view text) {
    LineList lines(text);
    ReadResult result;
    if (lines.empty()) {
        result.status = ReadResult::Status::Empty;
        return result;
    }
    try {
        parameterPass(lines, project);
        readItemStyleBlock(lines, project.itemStyles);
        readSmStyleBlock(lines, project.smStyles);
        readItemBlock(lines, project.items);
        readStyleNames(lines, project);
    } catch (const NumberTooLarge& stop) {
        result.status = ReadResult::Status::InvalidNumber;
        result.message = model::invalidIntegerMessage(stop.digits);
    }
    return result;
}

ReadResult readDataFile(model::Project& project, const std::string& path) {
    std::string bytes;
    if (ReadResult opened = loadFile(path, bytes); !opened.ok())
        return opened;
    project.workingFolder = folderOfOpened(path);
    const std::string text = decodeDataFileText(std::move(bytes));
    return readDataText(project, text);
}

} // namespace menuloom::reader
