#pragma once
// The backup of a file that is about to be replaced.

#include "core/common/error_report.h"
#include "core/common/file_system.h"

#include <string>

// Renames an existing file to its backup name (BackupExtension(number)), replacing an older
// backup. A missing file is no error; a failed rename is reported ("Reserve kopie maken
// mislukt: ") and leaves the file where it was. True when the backup was made.
bool MakeBackup(ErrorSink sink, const std::string& fileName, int number,
                FileSystem& files = SystemFiles());
