#include "support/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tocko {

int openRegularFile(const std::string& path, size_t maxBytes, FileStatus& status, std::string* error) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        status = (err == ENOENT || err == ENOTDIR) ? FileStatus::missing : FileStatus::failed;
        if (error) *error = std::strerror(err);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        if (error) *error = std::strerror(errno);
        ::close(fd);
        status = FileStatus::failed;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        status = FileStatus::notRegular;
        return -1;
    }
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        status = FileStatus::tooLarge;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    status = FileStatus::ok;
    return fd;
}

FileContents readRegularFile(const std::string& path, size_t maxBytes) {
    FileContents out;
    const int fd = openRegularFile(path, maxBytes, out.status, &out.error);
    if (fd < 0) return out;
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            out.error = std::strerror(errno);
            out.status = FileStatus::failed;
            out.bytes.clear();
            break;
        }
        if (out.bytes.size() + size_t(n) > maxBytes) {
            out.status = FileStatus::tooLarge;
            out.bytes.clear();
            break;
        }
        out.bytes.append(chunk, size_t(n));
    }
    ::close(fd);
    return out;
}

std::string setAsideUnusableFile(const std::string& path, size_t maxBytes) {
    FileStatus status = FileStatus::failed;
    const int fd = openRegularFile(path, maxBytes, status);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (status != FileStatus::notRegular && status != FileStatus::tooLarge) return {};
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return {};  // a library fails on it at once
    const std::string aside = path + ".invalid";
    if (::rename(path.c_str(), aside.c_str()) != 0) return {};
    return aside;
}

}  // namespace tocko
