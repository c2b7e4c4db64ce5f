#include "core/common/file_backup.h"

#include "core/common/file_names.h"

bool MakeBackup(ErrorSink sink, const std::string& fileName, int number, FileSystem& files) {
    struct stat info;
    if (files.PathStatus(fileName, info) != 0) return false;
    std::string backup = ReplaceExtension(fileName, BackupExtension(number));
    files.Remove(backup);
    if (files.Rename(fileName, backup) != 0) {
        ReportError(sink, FileNameText(fileName), 8, 0, 0);
        return false;
    }
    return true;
}
