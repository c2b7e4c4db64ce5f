#pragma once
// The window boundary: the core's Windows-1252 texts become QStrings here and nowhere else.

#include "core/common/windows1252.h"

#include <QString>

#include <string>
#include <string_view>

inline QString ToQt(std::string_view windows1252) {
    return QString::fromStdString(Windows1252ToUtf8(windows1252));
}

inline std::string FromQt(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

// File names travel as the file system spells them.
inline QString PathToQt(std::string_view path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}
inline std::string PathFromQt(const QString& path) {
    return path.toUtf8().toStdString();
}
