#include "core/common/safe_file_writer.h"

#include "core/common/file_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string FolderOf(const std::string& fileName) {
    auto slash = fileName.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return fileName.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& fileName, int err) {
    throw FileError(fileName, std::strerror(err));
}

// The mode a new file gets: that of the file it replaces, else what the umask allows.
mode_t ModeFor(const std::string& fileName) {
    struct stat info;
    if (::stat(fileName.c_str(), &info) == 0) return info.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::string fileName, std::string_view bytes)
    : FileName(std::move(fileName)) {
    std::string pattern = FileName + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) Fail(FileName, errno);
    TempName = name.data();

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(TempName.c_str());
        TempName.clear();
        Fail(FileName, err);
    };
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        if (written == 0) abandon(ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fchmod(fd, ModeFor(FileName)) != 0) abandon(errno);
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(TempName.c_str());
        TempName.clear();
        Fail(FileName, err);
    }
}

SafeFileWriter::~SafeFileWriter() {
    if (!Committed && !TempName.empty()) ::unlink(TempName.c_str());
}

void SafeFileWriter::Commit() {
    if (::rename(TempName.c_str(), FileName.c_str()) != 0) Fail(FileName, errno);
    Committed = true;
    // The rename itself must survive a power cut too.
    int dir = ::open(FolderOf(FileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes) {
    SafeFileWriter writer(fileName, bytes);
    writer.Commit();
}
