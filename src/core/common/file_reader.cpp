#include "core/common/file_reader.h"

#include "core/common/file_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

std::string ReadFilePrefix(const std::string& fileName, std::size_t maxBytes, FileSystem& files) {
    int fd = files.OpenForReading(fileName);
    if (fd < 0) throw FileError(fileName, std::strerror(errno));
    struct stat info;
    if (files.Status(fd, info) != 0) {
        int err = errno;
        files.Close(fd);
        throw FileError(fileName, std::strerror(err));
    }
    if (!S_ISREG(info.st_mode)) {
        bool folder = S_ISDIR(info.st_mode);
        files.Close(fd);
        // Pipes and devices can hang a read or never end: only plain files are members files.
        throw FileError(fileName, folder ? std::strerror(EISDIR) : "Not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        ssize_t got = files.Read(fd, buffer, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            files.Close(fd);
            throw FileError(fileName, std::strerror(err));
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    files.Close(fd);
    return bytes;
}

bool FileExists(const std::string& fileName, FileSystem& files) {
    struct stat info;
    return files.PathStatus(fileName, info) == 0;
}
