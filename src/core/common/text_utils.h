#pragma once
// Small text, file-name and number routines used throughout the program.

#include "core/common/common_state.h"
#include "core/common/error_report.h"
#include "core/common/ports.h"

#include <cstdint>
#include <string>
#include <string_view>

// Today as "dd-mm-yyyy".
std::string TodayText(const CalendarDate& today);

// The file name without its folder; "N_N" when that is empty.
std::string SplitFileName(std::string_view fullName);

// File names are kept as the file system spells them (UTF-8); a message shows them in the
// program's own character set.
std::string FileNameText(std::string_view fileName);

// The file name with its extension (the part from the last dot of the bare name) replaced.
std::string ReplaceExtension(std::string_view fileName, std::string_view extension);

// Backup extensions 1..3: ".~tv", ".~cf", ".~ca".
std::string_view BackupExtension(int number);

// Renames an existing file to its backup name, replacing an older backup. A missing file is no
// error; a failed rename is reported ("Reserve kopie maken mislukt: ").
void MakeBackup(ErrorSink sink, const std::string& fileName, int number);

std::string FillText(uint8_t count, char c);

inline int MinInt(int a, int b) {
    return a < b ? a : b;
}
inline int MaxInt(int a, int b) {
    return a > b ? a : b;
}

// Lets the user interface process pending events, then tells whether a stop was asked.
inline bool StopRequested(CommonState& state, EventPump& pump) {
    pump.ProcessEvents();
    return state.StopKey == 27 || state.StopKey == 3;
}
