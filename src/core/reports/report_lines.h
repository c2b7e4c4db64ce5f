#pragma once
// Report lines and the vocabulary of the reports: the kinds the menus ask for, the variant that
// picks a builder for the kind of schedule, the titles and the column captions.
//
// Every report is an ordered list of lines; a line is a record of comma-separated fields. The
// report list shows the text before the first comma as an item's caption and every following
// field as a column; export writes the lines as they are; printing prints what the list shows.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One report line.
struct TResultObj {
    std::string Regel;
};

using ReportLines = std::vector<TResultObj>;

void AddReportLine(ReportLines& lines, std::string text);

// Report kinds (`Opt`), the Tags of the menu items that ask for them.
enum ReportKind : uint16_t {
    ReportPairSchedule = 1,  // "PAREN INDELING"
    ReportCourtSchedule = 2, // "BAAN SCHEMA"
    ReportPlayCounts = 3,    // "AANTALMALEN  GESPEELD"
    ReportCrossTable = 4,    // "KRUIS TABEL "
    ReportEditor = 5,        // "BAANSCHEMA BEWERKEN"
};

// Schedule kinds as the set-up leaves them.
inline constexpr int ScheduleNone = 0;
inline constexpr int ScheduleWithNames = 1;
inline constexpr int ScheduleWithPairs = 2;

// Variant 1..10 = kind + 5 x (schedule kind - 1); it picks the builder and the captions.
int ReportVariant(int opt, int scheduleKind);

// Titles 1..5 by kind, then the section lines 6..8 the pair schedules insert.
std::string_view ReportTitle(int index);

inline constexpr std::string_view SectionDoubles = " ,Schema,Tolvex";
inline constexpr std::string_view SectionMixed = " ,Schema,Gemengd Tolvex";
inline constexpr std::string_view SectionGroups = " ,Schema,Groepen Tolvex";

// Seven column captions of a report variant (1..9; others give seven empty captions).
const std::array<std::string_view, 7>& ColumnCaptions(int variant);

// Menu captions by kind: the main window's "&Uitvoer" menu and this window's popup menu.
std::string_view MainMenuCaption(int opt);
std::string_view PopupMenuCaption(int opt);

// The fields of a line as the report list shows them: the caption, then every field after a
// comma, the one after the last comma only when it is not empty.
std::vector<std::string> ReportListFields(std::string_view line);

// All fields of a comma text, an empty last one included (the editor grid's rows).
std::vector<std::string> CommaFields(std::string_view line);
