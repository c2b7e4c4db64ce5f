#pragma once
// The file operations under the safe writer, the backup and the file reader. The program uses
// the machine's own; tests put one in between that fails after some bytes, on the sync or on
// the rename, so a full or read-only disk can be tried without mounting one.
//
// Every call answers as the system call of the same name does: -1 (or a short count) and errno.

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates and opens a new file: the trailing "XXXXXX" of name is replaced (mkstemp).
    virtual int CreateTemporary(std::string& name) = 0;
    // Opens for reading; a named pipe must not block the open.
    virtual int OpenForReading(const std::string& name) = 0;
    virtual int Status(int fd, struct stat& info) = 0;
    virtual int PathStatus(const std::string& name, struct stat& info) = 0;
    virtual ssize_t Read(int fd, char* buffer, std::size_t size) = 0;
    virtual ssize_t Write(int fd, const char* data, std::size_t size) = 0;
    virtual int SetMode(int fd, mode_t mode) = 0;
    virtual int Sync(int fd) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    // Removes a file or an empty folder (remove).
    virtual int Remove(const std::string& name) = 0;
    // Makes a rename in the folder survive a power cut.
    virtual int SyncFolder(const std::string& folder) = 0;
};

// The machine's own file system.
FileSystem& SystemFiles();
