#pragma once
// The member list seen through the member grid: records to rows of cell texts and back, the
// commits with their checks, the counters of active members, and the operations that change the
// order or the size of the list (insert, delete, sort, shuffle, search, move).
//
// Rows hold Windows-1252 cell texts. A grid of N members is a vector of N + 1 rows whose row 0
// is the heading, so row r shows MemberList item r.

#include "core/common/error_report.h"
#include "core/common/ports.h"
#include "core/config/config_state.h"
#include "core/members/member_records.h"
#include "core/members/member_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class GridView { Normal, Address };

using GridRow = std::vector<std::string>;

// The register holds at most this many members when adding.
inline constexpr int MemberLimit = 400;

int GridColumnCount(GridView view);
// The heading row from its comma text.
GridRow HeadingRow(GridView view);

// The cells of one row from a record, by the column table of the view.
GridRow RecordToRow(const TLidRec& rec, GridView view);

// Commits row r into item r's record, with the checks and reports of the grid; cells that a check
// replaced are written back into the row. Throws CellConversionError for an "Ix" or club number
// cell that is not a whole number: what was stored before stays stored.
void RowToRecord(ErrorSink errors, const ConfigState& config, MemberState& members, int r,
                 GridRow& row, GridView view);

// Item r's status in upper case with its second character capped; two beeps when capped.
bool NormaliseStatus(MemberState& members, Beeper& bell, int r);

// Commits rows 1..N and reports the last capped status. Stops at the first conversion error
// (CellConversionError), rows before it committed. In the normal view the status cells show the
// stored statuses afterwards.
void GridToList(ErrorSink errors, const ConfigState& config, MemberState& members, Beeper& bell,
                std::vector<GridRow>& rows, GridView view);

// Every member's Indx := its position.
void Renumber(MemberState& members);

struct ActiveCounts {
    int16_t Group1 = 0; // Nactiefheren
    int16_t Group2 = 0; // NActiefdames
};
ActiveCounts CountActive(const ConfigState& config, const MemberState& members);

// The group labels of the counters: " Heren " / " Dames " or " Groep " + the mark.
struct CounterCaptions {
    std::string Group1;
    std::string Group2;
};
CounterCaptions MakeCounterCaptions(const TCfgRec& cfg);

// True when adding is refused (the register is full), after the report and a beep.
bool CheckMemberLimit(ErrorSink errors, const MemberState& members, Beeper& bell);

// Adds a member before position curr, or after the last member when curr is N.
void AddMemberAt(MemberState& members, int curr, const TLidRec& rec);

// A blank member (group 1, status "X", club number N + 1) before the current member, or after
// the last member when row is N.
void InsertBlankMember(const ConfigState& config, MemberState& members, int row);

// False when there is no member at that row.
bool DeleteMemberAt(MemberState& members, int row);

// Moves member from to position to, with its whole record; the others close up.
bool MoveMember(MemberState& members, int from, int to);

// Keys: 1 club number, 2 first name, 3 (and any other) surname, 4 group as stored. The header
// record keeps its place; members with equal keys keep their order.
void SortMembers(MemberState& members, int key);

// Exchanges every member with a randomly drawn one, then puts the groups together again.
void ShuffleMembers(MemberState& members, uint32_t seed);

// The first row from the top whose cell in that column begins with text (letters A..Z in any
// case); 0 when none does.
int FindRow(const std::vector<GridRow>& rows, std::string_view text, int column);

// False (after a warning) when another member has this club number, or this first name and
// surname; never when both names are empty. Member skip is not compared.
bool CheckDuplicate(const MemberState& members, Messenger& messenger, int skip, int16_t clubNo,
                    std::string_view voornaam, std::string_view achterNaam);
