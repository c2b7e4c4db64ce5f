#pragma once
// A file system that does what the machine's does until it is told to fail: after some bytes
// written (a full disk), on the sync, on the rename of a temporary file, on every change (a
// read-only disk) or after some bytes read.

#include "core/common/file_system.h"

#include <cerrno>
#include <cstddef>
#include <optional>
#include <set>
#include <string>

class FailingFileSystem : public FileSystem {
public:
    // Bytes that may still be written; further writes fail with WriteError.
    std::optional<std::size_t> WriteLimit;
    int WriteError = ENOSPC;
    bool FailSync = false;
    bool FailRenameOfTemporary = false;
    bool ReadOnly = false; // creating, renaming and removing fail with EROFS
    std::optional<std::size_t> ReadLimit;
    int FailureError = EIO; // what a failing sync, rename or read says

    std::size_t Written = 0;
    int Syncs = 0;
    int FolderSyncs = 0;

    int CreateTemporary(std::string& name) override;
    int OpenForReading(const std::string& name) override;
    int Status(int fd, struct stat& info) override;
    int PathStatus(const std::string& name, struct stat& info) override;
    ssize_t Read(int fd, char* buffer, std::size_t size) override;
    ssize_t Write(int fd, const char* data, std::size_t size) override;
    int SetMode(int fd, mode_t mode) override;
    int Sync(int fd) override;
    int Close(int fd) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& name) override;
    int SyncFolder(const std::string& folder) override;

private:
    std::set<std::string> Temporaries;
    std::size_t ReadSoFar = 0;
};
