#pragma once
// Program-wide values of the common utilities.

#include "core/common/short_string.h"

#include <array>
#include <cstdint>
#include <string>

struct PrinterMetrics {
    uint16_t PrnLineHeight = 0;
    uint16_t PrnLinesPerPage = 0;
    uint16_t PrnCharWidth = 0;
    uint16_t PrnPixPerCm = 0;
};

struct CommonState {
    int32_t ErrorCode = 0;
    uint16_t StopKey = 0; // 0 go on; 27 or 3 stop asked
    PrinterMetrics Printer;
    bool PrnFontSet = false;
    std::string ScreenFontName = "MS Sans Serif";
    int ScreenFontSize = 10;
    ShortString<12> TodayDate{};
    int ScheduleKind = 1;                                    // 1 names, 2 pairs
    std::array<int32_t, 33> BaanCode = IdentityCourtCodes(); // [1..32]; [0] unused

    static std::array<int32_t, 33> IdentityCourtCodes() {
        std::array<int32_t, 33> codes{};
        for (int c = 0; c <= 32; ++c) codes[c] = c;
        return codes;
    }
};
