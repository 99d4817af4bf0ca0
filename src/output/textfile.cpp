#include "output/textfile.h"

#include "util/systemmessage.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace menuloom::output {

namespace {

WriteResult failure(WriteResult::Kind kind, int err, const std::string& path) {
    WriteResult r;
    r.kind = kind;
    r.code = std::error_code(err, std::generic_category());
    r.message = util::systemMessage(err);
    r.path = path;
    return r;
}

std::string folderPart(const std::string& path) {
    const auto sep = path.rfind('/');
    if (sep == std::string::npos)
        return ".";
    if (sep == 0)
        return "/";
    return path.substr(0, sep);
}

} // namespace

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes,
                                const ChunkWriter& writer, bool sync) {
    if (path.empty())
        return failure(WriteResult::Kind::CreateFailed, ENOENT, path);

    mode_t mode = 0666;
    bool keepMode = false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return failure(WriteResult::Kind::CreateFailed, EISDIR, path);
        // A read-only target stays as it is, even for a user who could replace it.
        if (::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)
            return failure(WriteResult::Kind::CreateFailed, EACCES, path);
        mode = st.st_mode & 07777;
        keepMode = true;
    }

    std::string tmp = folderPart(path) + "/.menuloom-XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return failure(WriteResult::Kind::CreateFailed, errno, path);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return failure(WriteResult::Kind::WriteFailed, err, path);
    };

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long n = writer ? writer(fd, data, left) : ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return abandon(errno);
        }
        if (n == 0)
            return abandon(EIO);
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (sync && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return abandon(errno);
    if (!keepMode) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    // The replaced file keeps its owner where the system lets us (it does for root).
    if (keepMode && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return failure(WriteResult::Kind::WriteFailed, err, path);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return failure(WriteResult::Kind::CreateFailed, err, path);
    }
    WriteResult ok;
    ok.path = path;
    return ok;
}

} // namespace menuloom::output
