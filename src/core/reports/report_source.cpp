#include "core/reports/report_source.h"

#include <algorithm>

ReportCounts ReportCountsOf(const ScheduleParams& params) {
    ReportCounts counts;
    counts.Men = std::clamp(params.NHeren, 0, MaxGroupPlayers);
    counts.Women = std::clamp(params.NDames, 0, MaxGroupPlayers);
    counts.Doubles = std::clamp(params.NDubRonden, 0, MaxRounds);
    counts.Mixed = std::clamp(params.NMixRonden, 0, MaxRounds - counts.Doubles);
    counts.Courts = std::max(params.NBanen, 0);
    return counts;
}

ReportSource ReportSourceOf(const CommonState& common, const ScheduleStore& store) {
    return ReportSource{store, ReportCountsOf(store.Params), common.ScheduleKind, common.BaanCode};
}

std::array<Group, 2> DisplayOrder(bool ladiesFirst) {
    if (ladiesFirst) return {Women, Men};
    return {Men, Women};
}

namespace {

CourtRange Range(int32_t first, int32_t last) {
    CourtRange range;
    range.First = std::max<int32_t>(first, 1);
    range.Last = std::min<int32_t>(last, MaxCourts);
    return range;
}

} // namespace

CourtRange GroupCourts(const RoundRecord& record, Group g) {
    return g == Men ? Range(record.FirstMen, record.LastMen)
                    : Range(record.FirstWomen, record.LastWomen);
}

CourtRange MixedCourts(const RoundRecord& record) {
    return Range(record.FirstMixed, record.LastMixed);
}
