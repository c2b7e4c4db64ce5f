#include "failing_file_system.h"

#include <algorithm>

namespace {

int Failed(int err) {
    errno = err;
    return -1;
}

} // namespace

int FailingFileSystem::CreateTemporary(std::string& name) {
    if (ReadOnly) return Failed(EROFS);
    int fd = SystemFiles().CreateTemporary(name);
    if (fd >= 0) Temporaries.insert(name);
    return fd;
}

int FailingFileSystem::OpenForReading(const std::string& name) {
    ReadSoFar = 0;
    return SystemFiles().OpenForReading(name);
}

int FailingFileSystem::Status(int fd, struct stat& info) {
    return SystemFiles().Status(fd, info);
}

int FailingFileSystem::PathStatus(const std::string& name, struct stat& info) {
    return SystemFiles().PathStatus(name, info);
}

ssize_t FailingFileSystem::Read(int fd, char* buffer, std::size_t size) {
    if (ReadLimit) {
        if (ReadSoFar >= *ReadLimit) return Failed(FailureError);
        size = std::min(size, *ReadLimit - ReadSoFar);
    }
    ssize_t got = SystemFiles().Read(fd, buffer, size);
    if (got > 0) ReadSoFar += static_cast<std::size_t>(got);
    return got;
}

ssize_t FailingFileSystem::Write(int fd, const char* data, std::size_t size) {
    if (WriteLimit) {
        // Like a disk that fills up: a short write first, then the error.
        if (Written >= *WriteLimit) return Failed(WriteError);
        size = std::min(size, *WriteLimit - Written);
    }
    ssize_t written = SystemFiles().Write(fd, data, size);
    if (written > 0) Written += static_cast<std::size_t>(written);
    return written;
}

int FailingFileSystem::SetMode(int fd, mode_t mode) {
    return SystemFiles().SetMode(fd, mode);
}

int FailingFileSystem::Sync(int fd) {
    ++Syncs;
    if (FailSync) return Failed(FailureError);
    return SystemFiles().Sync(fd);
}

int FailingFileSystem::Close(int fd) {
    return SystemFiles().Close(fd);
}

int FailingFileSystem::Rename(const std::string& from, const std::string& to) {
    if (ReadOnly) return Failed(EROFS);
    if (FailRenameOfTemporary && Temporaries.count(from)) return Failed(FailureError);
    return SystemFiles().Rename(from, to);
}

int FailingFileSystem::Remove(const std::string& name) {
    // A temporary file the writer made is cleaned up even on the read-only disk: it stands for
    // a file that was never created there.
    if (ReadOnly && !Temporaries.count(name)) return Failed(EROFS);
    return SystemFiles().Remove(name);
}

int FailingFileSystem::SyncFolder(const std::string& folder) {
    ++FolderSyncs;
    return SystemFiles().SyncFolder(folder);
}
