#pragma once
// Who can play in which round: status codes and pauses become per-round status tables, the
// courts chosen per round are checked against the players available, and the must-play and
// balance rules that every round search applies.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

#include <string>

// Fills the group's status records of rounds 1..NumRounds from the players' StatusNr; with
// pairs (scheduleKind 2) every player may play every round.
void PrepareAvailability(ScheduleStore& store, int scheduleKind, Group g);

// The court checks of the men, the women and the mixed rounds: warns, lowers courts that
// need more players than there are, and leaves in ErrorCode the round of the last too-few
// warning unless a later too-many check reset it.
void CheckCourts(CommonState& common, const ConfigState& config, ScheduleStore& store,
                 RunPorts& ports);

// The warning label's text for message n (5 too few, 6 too many courts); empty for rounds
// 11..20 and above 40.
std::string CourtWarningText(const ScheduleStore& store, int n, int round, int g);

// Shows one court warning when court warnings are on; otherwise does nothing at all.
void ShowCourtWarning(CommonState& common, const ConfigState& config, const ScheduleStore& store,
                      RunPorts& ports, int n, int round, int g);

// Start of a doubles round r: players who reached their maximum become unavailable and
// limited players take their pauses; the record is written in place.
void RoundStatusUpdate(ScheduleStore& store, Group g, int r, StatusRecord& record);

// Start of a mixed round, on a private copy of the group's record of that round.
void MixedRoundStatusUpdate(const ScheduleStore& store, Group g, StatusRecord& copy);

// The players 1..players whom the record lets play.
int CountAvailable(const StatusRecord& record, int players);

// Builds the group's MustPlay list (players who sat out and are available now) and tells
// whether all of them are selected (selected[p] != 0).
bool MustPlayTest(GroupTables& tables, int players, const StatusRecord& record,
                  const uint8_t* selected);

// After the round every available player's games differ by at most one; limited players count
// for the highest value only. start is the round number in the whole schedule.
bool BalanceTest(const GroupTables& tables, int players, const StatusRecord& record,
                 const uint8_t* selected, int start);
