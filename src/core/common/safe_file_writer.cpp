#include "core/common/safe_file_writer.h"

#include "core/common/file_error.h"

#include <cerrno>
#include <cstring>

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
mode_t ModeFor(FileSystem& files, const std::string& fileName) {
    struct stat info;
    if (files.PathStatus(fileName, info) == 0) return info.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::string fileName, std::string_view bytes, FileSystem& files)
    : Files(files)
    , FileName(std::move(fileName)) {
    std::string name = FileName + ".XXXXXX";
    int fd = Files.CreateTemporary(name);
    if (fd < 0) Fail(FileName, errno);
    TempName = name;

    auto abandon = [&](int err) {
        Files.Close(fd);
        Files.Remove(TempName);
        TempName.clear();
        Fail(FileName, err);
    };
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = Files.Write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        if (written == 0) abandon(ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (Files.SetMode(fd, ModeFor(Files, FileName)) != 0) abandon(errno);
    if (Files.Sync(fd) != 0) abandon(errno);
    if (Files.Close(fd) != 0) {
        int err = errno;
        Files.Remove(TempName);
        TempName.clear();
        Fail(FileName, err);
    }
}

SafeFileWriter::~SafeFileWriter() {
    if (!Committed && !TempName.empty()) Files.Remove(TempName);
}

void SafeFileWriter::Commit() {
    if (Files.Rename(TempName, FileName) != 0) Fail(FileName, errno);
    Committed = true;
    // The rename itself must survive a power cut too; the new content is in place already.
    Files.SyncFolder(FolderOf(FileName));
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes, FileSystem& files) {
    SafeFileWriter writer(fileName, bytes, files);
    writer.Commit();
}
