#include "core/common/file_reader.h"

#include "core/common/file_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string ReadFilePrefix(const std::string& fileName, std::size_t maxBytes) {
    // Without O_NONBLOCK a named pipe would block the open until someone writes to it.
    int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw FileError(fileName, std::strerror(errno));
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        int err = errno;
        ::close(fd);
        throw FileError(fileName, std::strerror(err));
    }
    if (!S_ISREG(info.st_mode)) {
        bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        // Pipes and devices can hang a read or never end: only plain files are members files.
        throw FileError(fileName, folder ? std::strerror(EISDIR) : "Not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        ssize_t got = ::read(fd, buffer, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            throw FileError(fileName, std::strerror(err));
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool FileExists(const std::string& fileName) {
    struct stat info;
    return ::stat(fileName.c_str(), &info) == 0;
}
