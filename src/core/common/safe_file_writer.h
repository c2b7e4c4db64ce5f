#pragma once
// Saving without ever leaving a half-written file. The new content goes to a temporary file in
// the target's folder, every byte checked and flushed to the disk; only then does a rename put
// it in place, so the target holds either its old or its new content, whatever happens.
//
// The two steps are separate because the member file makes its backup in between: the old file
// is renamed to its backup name only once the new content is safely on disk.

#include "core/common/file_system.h"

#include <string>
#include <string_view>

class SafeFileWriter {
public:
    // Writes bytes to a temporary file beside fileName and flushes it. Raises FileError (with
    // fileName and the system's reason) and leaves nothing behind when that fails.
    SafeFileWriter(std::string fileName, std::string_view bytes, FileSystem& files = SystemFiles());
    // Removes the temporary file when Commit was not reached.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Renames the temporary file over the target and flushes the folder. Raises FileError.
    void Commit();

    const std::string& TemporaryName() const { return TempName; }

private:
    FileSystem& Files;
    std::string FileName;
    std::string TempName;
    bool Committed = false;
};

// Both steps at once, for files that need no backup in between.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         FileSystem& files = SystemFiles());
