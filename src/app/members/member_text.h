#pragma once
// The member register's texts are Windows-1252 bytes; the widgets show QStrings.

#include "common/windows1252.h"

#include <QString>

#include <string>
#include <string_view>

inline QString ToScreenText(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

inline std::string ToRecordText(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}
