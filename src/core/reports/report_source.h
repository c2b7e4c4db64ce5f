#pragma once
// What the report builders read: the schedule store, the counts the report window copies from
// the schedule parameters when it opens a report, the kind of schedule and the court codes.
// Counts are kept inside the store's limits, so no builder reads outside a table.

#include "core/common/common_state.h"
#include "core/schedule/schedule_store.h"

#include <array>
#include <cstdint>

struct ReportCounts {
    int Men = 0;
    int Women = 0;
    int Doubles = 0; // D
    int Mixed = 0;   // M
    int Courts = 0;
    int Rounds() const { return Doubles + Mixed; } // N
    int Of(Group g) const { return g == Group::Men ? this->Men : this->Women; }
};

// The counts of the schedule parameters, kept within 0..200 players and 0..24 rounds.
ReportCounts ReportCountsOf(const ScheduleParams& params);

struct ReportSource {
    const ScheduleStore& Store;
    ReportCounts Counts;
    int Kind; // 1 with names, 2 with pairs
    const std::array<int32_t, 33>& BaanCode;

    bool WithNames() const { return Kind != 2; }
    // Mixed doubles in the mixed rounds below 4, group against group from 4 on.
    bool GroupAgainstGroup() const { return Store.Params.PairingOptions >= PairGroupAgainstGroup; }
    const NameList& Names(Group g) const { return Store.Of(g).Names; }
};

ReportSource ReportSourceOf(const CommonState& common, const ScheduleStore& store);

// Men then women, or women then men when the ladies play first.
std::array<Group, 2> DisplayOrder(bool ladiesFirst);

struct CourtRange {
    int First = 1;
    int Last = 0; // Last < First: no courts
};

// The courts of a group (or of the mixed games) in round r, kept within 1..32.
CourtRange GroupCourts(const RoundRecord& record, Group g);
CourtRange MixedCourts(const RoundRecord& record);
