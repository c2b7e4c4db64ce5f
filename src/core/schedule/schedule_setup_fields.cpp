#include "core/schedule/schedule_setup_fields.h"

#include "core/common/error_report.h"
#include "core/common/message_tables.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

// Days from 1-1-1970 (Howard Hinnant's civil calendar), valid for every Gregorian date.
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr long long SerialOf1970 = 25569; // 1-1-1970 counted from 30-12-1899

} // namespace

std::string FieldCaption(int tag) {
    switch (tag) {
    case 1:
        return " heren ";
    case 2:
        return " dames ";
    case 3:
        return " tolvex ";
    case 4:
        return " Mixtolvex ";
    case 5:
        return " banen ";
    default:
        break;
    }
    if (!IsCellTag(tag)) return {};
    const int row = CellRow(tag);
    switch (CellColumn(tag)) {
    case 1:
        return "heren ronde " + std::to_string(row) + " ";
    case 2:
        return "dames ronde " + std::to_string(row) + " ";
    default:
        // The design writes a blank after rows 1 and 4 only.
        return "Mixed paar ronde " + std::to_string(row) + (row == 1 || row == 4 ? " " : "");
    }
}

std::optional<int> WholeNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::string digits(text);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(digits.c_str(), &end, 10);
    if (errno != 0 || end != digits.c_str() + digits.size() || digits[0] == ' ')
        return std::nullopt;
    if (value < -2147483647L - 1 || value > 2147483647L) return std::nullopt;
    return static_cast<int>(value);
}

int FieldErrorState(const ConfigState& config, const MemberState& members,
                    const ScheduleStore& store, int tag, int value) {
    const TCfgRec& cfg = config.Config.CfgRec;
    const ScheduleParams& params = store.Params;
    if (value < 0) return tag;
    if (tag == 1 && value > members.MemberCount) return 11;
    if (tag == 2 && static_cast<long long>(value) + params.NHeren > members.MemberCount) return 12;
    if (tag == 3 && (value > cfg.NDubRonden || value > MaxRounds)) return 13;
    if (tag == 4 && (value > cfg.NMixRonden ||
                     static_cast<long long>(value) + std::max(params.NDubRonden, 0) > MaxRounds))
        return 14;
    if ((tag == 5 || IsCellTag(tag)) && value > cfg.NBanen) return 20;
    return 0;
}

namespace {

// "Aantal  heren foutief: -3" (a value that does not exist) or "... te groot: ..."; the message's
// ErrorCode is cleared again.
void ReportWrongCount(ErrorSink errors, int tag, const std::string& shown, bool tooLarge) {
    if (tooLarge)
        ReportError(errors, "Aantal " + FieldCaption(tag) + "te groot: " + shown, 0, 10, 5);
    else
        ReportError(errors, "Aantal " + FieldCaption(tag) + "foutief: " + shown, 0, 1, 5);
    errors.ErrorCode = 0;
}

} // namespace

TakeResult TakeNumberField(ErrorSink errors, const ConfigState& config, const MemberState& members,
                           ScheduleStore& store, Beeper& bell, int tag, std::string_view text) {
    const std::string shown(Trim(text));
    const std::optional<int> value = WholeNumber(shown);
    // A text that is no number is a value that does not exist, in a grid cell too.
    const int error = value ? FieldErrorState(config, members, store, tag, *value) : 1;
    if (error != 0) {
        ReportWrongCount(errors, tag, shown, error >= 10);
        bell.Beep();
        return value ? TakeResult::Refused : TakeResult::NotNumber;
    }
    ScheduleParams& params = store.Params;
    switch (tag) {
    case 1:
        params.NHeren = *value;
        break;
    case 2:
        params.NDames = *value;
        break;
    case 3:
        params.NDubRonden = *value;
        break;
    case 4:
        params.NMixRonden = *value;
        break;
    case 5:
        params.NBanen = *value;
        break;
    default: {
        const int row = CellRow(tag);
        auto& page = CellColumn(tag) == 1   ? params.PageCourtsMen
                     : CellColumn(tag) == 2 ? params.PageCourtsWomen
                                            : params.PageCourtsMixed;
        page[row] = *value;
    }
    }
    return TakeResult::Stored;
}

int TakeCountFields(ErrorSink errors, const ConfigState& config, const MemberState& members,
                    ScheduleStore& store, Beeper& bell, const std::array<std::string, 5>& texts) {
    for (int tag = 1; tag <= 5; ++tag)
        if (TakeNumberField(errors, config, members, store, bell, tag, texts[tag - 1]) !=
            TakeResult::Stored)
            return tag;
    return 0;
}

bool RunCountsFit(ErrorSink errors, const ScheduleStore& store) {
    const ScheduleParams& params = store.Params;
    const int32_t counts[] = {params.NHeren, params.NDames, params.NDubRonden, params.NMixRonden,
                              params.NBanen};
    for (int tag = 1; tag <= 5; ++tag) {
        if (counts[tag - 1] >= 0) continue;
        ReportWrongCount(errors, tag, std::to_string(counts[tag - 1]), false);
        return false;
    }
    if (static_cast<long long>(params.NDubRonden) + params.NMixRonden > MaxRounds) {
        errors.Msg.Show(Messages[18], KindWaarschuwing, ButtonsOK);
        return false;
    }
    return true;
}

namespace {

// Round a of the whole schedule as a mixed round: 1..24, or 0 when a is a doubles round or
// lies beyond the table (in 64 bits: the doubles count may be anything a field once held).
int MixedRoundOf(const ScheduleParams& params, int a) {
    const long long m = static_cast<long long>(a) - params.NDubRonden;
    return m >= 1 && m <= MaxRounds ? static_cast<int>(m) : 0;
}

} // namespace

void ShowCourtPage(ScheduleStore& store, int rndIndx) {
    ScheduleParams& params = store.Params;
    const int page = std::clamp(rndIndx, 0, LastCourtPage);
    for (int row = 1; row <= GridRows; ++row) {
        const int a = GridRows * page + row;
        const int m = MixedRoundOf(params, a);
        params.PageCourtsMen[row] = store.CourtsMen[a];
        params.PageCourtsWomen[row] = store.CourtsWomen[a];
        params.PageCourtsMixed[row] = m != 0 ? store.CourtsMixed[m] : 0;
    }
    params.PauseOptions = static_cast<uint16_t>(params.PauseOptions & 15);
}

void SaveCourtPage(ScheduleStore& store, int rndIndx) {
    const ScheduleParams& params = store.Params;
    auto courts = [](int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); };
    const int page = std::clamp(rndIndx, 0, LastCourtPage);
    for (int row = 1; row <= GridRows; ++row) {
        const int a = GridRows * page + row;
        const int m = MixedRoundOf(params, a);
        store.CourtsMen[a] = courts(params.PageCourtsMen[row]);
        store.CourtsWomen[a] = courts(params.PageCourtsWomen[row]);
        if (m != 0) store.CourtsMixed[m] = courts(params.PageCourtsMixed[row]);
    }
}

int MovedCourtPage(int rndIndx, int d) {
    return std::max(0, std::min(LastCourtPage, rndIndx + d));
}

int EnterTarget(int tag) {
    if (tag >= 1 && tag <= 9) return tag + 1;
    if (!IsCellTag(tag)) return 0;
    if (tag == LastCellTag) return FirstCellTag;
    return tag + 1; // the cell below, or row 1 of the next column
}

int DownTarget(int tag) {
    if (tag >= FirstCellTag && tag < LastCellTag) return tag + 1;
    if (tag == LastCellTag) return -1;
    return FirstCellTag;
}

int UpTarget(int tag) {
    if (tag >= FirstCellTag + 1 && tag <= LastCellTag) return tag - 1;
    return FirstCellTag;
}

double SerialDate(const CalendarDate& date) {
    return static_cast<double>(DaysFromCivil(date.Year, date.Month, date.Day) + SerialOf1970);
}

CalendarDate DateOfSerial(double serial) {
    long long z = static_cast<long long>(std::floor(serial)) - SerialOf1970 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return CalendarDate{y, m, d};
}

void TakeCourtCode(CommonState& common, const ConfigState& config, int& currBaan, int incr,
                   int code) {
    const int courts = std::clamp<int>(config.Config.CfgRec.NBanen, 1, MaxCourts);
    if (currBaan >= 1 && currBaan <= MaxCourts) common.BaanCode[currBaan] = code;
    currBaan += incr;
    if (currBaan > courts) currBaan = 1;
    if (currBaan < 1) currBaan = courts;
}
