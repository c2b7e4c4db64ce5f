#include "core/common/text_utils.h"

#include "core/common/error_report.h"
#include "core/common/windows1252.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

std::string TodayText(const CalendarDate& today) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", today.Day % 100, today.Month % 100,
                  today.Year % 10000);
    return text;
}

std::string SplitFileName(std::string_view fullName) {
    auto slash = fullName.find_last_of('/');
    std::string_view bare = slash == std::string_view::npos ? fullName : fullName.substr(slash + 1);
    return bare.empty() ? std::string("N_N") : std::string(bare);
}

std::string FileNameText(std::string_view fileName) {
    return Utf8ToWindows1252(fileName);
}

std::string ReplaceExtension(std::string_view fileName, std::string_view extension) {
    auto slash = fileName.find_last_of('/');
    auto dot = fileName.find_last_of('.');
    bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    std::string result(hasExtension ? fileName.substr(0, dot) : fileName);
    result.append(extension);
    return result;
}

std::string_view BackupExtension(int number) {
    switch (number) {
    case 1:
        return ".~tv";
    case 2:
        return ".~cf";
    case 3:
        return ".~ca";
    default:
        return ".~tv";
    }
}

void MakeBackup(ErrorSink sink, const std::string& fileName, int number) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(fileName, ec)) return;
    std::string backup = ReplaceExtension(fileName, BackupExtension(number));
    fs::remove(backup, ec);
    fs::rename(fileName, backup, ec);
    if (ec) ReportError(sink, FileNameText(fileName), 8, 0, 0);
}

std::string FillText(uint8_t count, char c) {
    return std::string(count, c);
}
