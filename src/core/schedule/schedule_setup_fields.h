#pragma once
// The fields of the schedule set-up window, without the window: what each Tag stores, its checks
// and messages, the court grid's pages, where Enter and the arrow keys move, and the date of the
// schedule. Tags: 1..5 the counts (men, women, doubles rounds, mixed rounds, courts), 6 the
// date, 7 "&Meer", 8..10 the three options, 11..28 the court grid (column 1 men, 2 women,
// 3 mixed; six rows each).

#include "core/common/common_state.h"
#include "core/common/error_report.h"
#include "core/common/ports.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"
#include "core/schedule/schedule_store.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int GridRows = 6;
inline constexpr int GridColumns = 3;
inline constexpr int FirstCellTag = 11;
inline constexpr int LastCellTag = 28;
inline constexpr int LastCourtPage = 3; // page p shows rounds 6p+1..6p+6

inline bool IsCellTag(int tag) {
    return tag >= FirstCellTag && tag <= LastCellTag;
}
inline int CellTag(int row, int column) {
    return 10 + GridRows * (column - 1) + row;
}
inline int CellRow(int tag) {
    return (tag - FirstCellTag) % GridRows + 1;
}
inline int CellColumn(int tag) {
    return (tag - FirstCellTag) / GridRows + 1;
}

// The caption a message gives the field ("heren ronde 2 " for the men's cell of row 2).
std::string FieldCaption(int tag);

// A whole number, blanks around it allowed; anything else gives nothing.
std::optional<int> WholeNumber(std::string_view text);

// What is wrong with a value for a count field or grid cell: 0 nothing, 1..9 a value that does
// not exist (the Tag), 10 and more one that is too large. Besides the configuration's limits the
// rounds are bounded by the 24 rounds the schedule holds (the mixed ones counted after the
// doubles rounds stored).
int FieldErrorState(const ConfigState& config, const MemberState& members,
                    const ScheduleStore& store, int tag, int value);

enum class TakeResult {
    Stored,    // the value is in the store
    Refused,   // out of range: reported, not stored
    NotNumber, // not a whole number: reported, not stored
};

// TakeField for a count field or grid cell: the text is checked and, when valid, stored into the
// counts or into the court grid page. A refusal shows its message and beeps; ErrorCode is 0
// afterwards either way. A text that is not a whole number is reported as a value that does not
// exist ("Aantal  heren foutief: 1x bestaat niet").
TakeResult TakeNumberField(ErrorSink errors, const ConfigState& config, const MemberState& members,
                           ScheduleStore& store, Beeper& bell, int tag, std::string_view text);

// "&Meer" takes the five counts (Tags 1..5) together, each as TakeNumberField takes it and in the
// order of the fields, so that the ladies' limit counts the men just taken. The first count that
// is refused or not a whole number ends the taking, with its message: returns its Tag, or 0 when
// all five are stored.
int TakeCountFields(ErrorSink errors, const ConfigState& config, const MemberState& members,
                    ScheduleStore& store, Beeper& bell, const std::array<std::string, 5>& texts);

// Whether a run can compute the counts stored: a negative count is reported with its field's
// message for a value that does not exist, more rounds than the schedule holds with "Aantal
// ronden te groot, zie sleutelgegevens ". ErrorCode is 0 afterwards.
bool RunCountsFit(ErrorSink errors, const ScheduleStore& store);

// The court grid page on screen from the courts per round (rows are the rounds of the whole
// schedule: the mixed column holds the mixed rounds after the doubles rounds). Whatever the counts
// hold, only rounds 1..24 of the tables are read or written.
void ShowCourtPage(ScheduleStore& store, int rndIndx);
// And back.
void SaveCourtPage(ScheduleStore& store, int rndIndx);
// The page after a change by d (+1 or -1), within 0..3.
int MovedCourtPage(int rndIndx, int d);

// Where Enter moves from a field or a cell: the Tag, 0 nowhere. From a cell it is the cell
// below (after row 6 the first row of the next column, after column 3 column 1); the window
// takes "&Start" when that cell is hidden.
int EnterTarget(int tag);
// Where Down and Up move; -1 is "&Start".
int DownTarget(int tag);
int UpTarget(int tag);

// The date of the schedule: days since 30-12-1899, and back.
double SerialDate(const CalendarDate& date);
CalendarDate DateOfSerial(double serial);

// The court coding walk: the code is stored for the court shown, then the walk moves by incr
// and wraps at the configuration's number of courts. No code is stored beyond court 32, and the
// walk never leaves 1..32 whatever the configuration says.
void TakeCourtCode(CommonState& common, const ConfigState& config, int& currBaan, int incr,
                   int code);
