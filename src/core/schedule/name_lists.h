#pragma once
// The players of a schedule: the active members of each group taken from the member register,
// or numbered pairs; the group labels of progress texts and reports; and the courts per round
// that the set-up proposes.

#include "core/config/config_state.h"
#include "core/members/member_list_ops.h"
#include "core/members/member_state.h"
#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

#include <string>
#include <string_view>

// Both name lists anew: 201 empty items, item 0 the placeholder "G r o t e   " /
// "O n b e k e n d e ? ".
void NewNameLists(ScheduleStore& store);

// A member's status code as the schedule reads it (Beeps for a numeric code in the letter
// ranges or one that is not a valid number).
uint8_t StatusNrOf(std::string_view statCode, Beeper& bell);

// The active members of group g (0 or 1) in list order; returns their count. A group larger
// than the list's 200 places is counted whole but only its first 200 are stored: the run then
// refuses it by its player limit.
int FillNameList(const ConfigState& config, const MemberState& members, Messenger& messenger,
                 Beeper& bell, NameList& list, int g);

// Players 1..count named by the group letter and their number.
void FillPairNames(NameList& list, int count, std::string_view letter);

// Group labels and report headings from the configuration's group codes.
void SetGroupLabels(const ConfigState& config, ScheduleStore& store);

// The member grid's group counter captions; they also become the schedule's group labels 0 and 1.
CounterCaptions SetCounterCaptions(const ConfigState& config, ScheduleStore& store);

// The proposal of courts per round: the courts shared by the group sizes, every mixed round on
// all courts, one pause for 3-times and one for 2-times players.
void DefaultCourts(ScheduleStore& store, Beeper& bell, ScheduleView& view);
