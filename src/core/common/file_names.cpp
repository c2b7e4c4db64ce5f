#include "core/common/file_names.h"

#include "core/common/windows1252.h"

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
