#include "core/common/file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

class PosixFileSystem final : public FileSystem {
public:
    int CreateTemporary(std::string& name) override { return ::mkstemp(name.data()); }
    int OpenForReading(const std::string& name) override {
        return ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    }
    int Status(int fd, struct stat& info) override { return ::fstat(fd, &info); }
    int PathStatus(const std::string& name, struct stat& info) override {
        return ::stat(name.c_str(), &info);
    }
    ssize_t Read(int fd, char* buffer, std::size_t size) override {
        return ::read(fd, buffer, size);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return ::write(fd, data, size);
    }
    int SetMode(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int Sync(int fd) override { return ::fsync(fd); }
    int Close(int fd) override { return ::close(fd); }
    int Rename(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str());
    }
    int Remove(const std::string& name) override { return std::remove(name.c_str()); }
    int SyncFolder(const std::string& folder) override {
        int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0) return -1;
        int result = ::fsync(dir);
        int err = errno;
        ::close(dir);
        errno = err;
        return result;
    }
};

} // namespace

FileSystem& SystemFiles() {
    static PosixFileSystem files;
    return files;
}
