#include "core/reports/court_swap.h"

#include "core/reports/court_schedule.h"

namespace {

bool IsGroupSlot(Group g, bool mixed, int slot) {
    return !mixed || (slot % 2 == 0) == (g == Men);
}

void MoveGame(GroupTables& tables, int from, int to) {
    if (tables.PlayCount[from] > 0) --tables.PlayCount[from];
    if (tables.PlayCount[to] < UINT8_MAX) ++tables.PlayCount[to];
}

} // namespace

std::optional<PlayerPlace> FindPlace(const ScheduleStore& store, const ReportCounts& counts,
                                     Group g, int r, int player) {
    const RoundRecord& record = store.RoundTable[r];
    const bool mixed = r > counts.Doubles;
    const CourtRange courts = mixed ? MixedCourts(record) : GroupCourts(record, g);
    PlayerPlace place;
    int found = 0;
    for (int c = courts.First; c <= courts.Last; ++c)
        for (int s = 0; s < 4; ++s)
            if (IsGroupSlot(g, mixed, s) && record.Courts[c][s] == player) {
                place = {c, s};
                ++found;
            }
    if (found > 1) return std::nullopt;
    return place;
}

SwapOutcome SwapPlaces(ScheduleStore& store, const std::array<int32_t, 33>& baanCode,
                       const ReportCounts& counts, Group g, int r, const SwapSide& a,
                       const SwapSide& b) {
    const int n = counts.Of(g);
    if (r < 1 || r > counts.Rounds() || a.Player < 1 || a.Player > n || b.Player < 1 ||
        b.Player > n)
        return SwapOutcome::NotAsShown;
    const std::optional<PlayerPlace> placeA = FindPlace(store, counts, g, r, a.Player);
    const std::optional<PlayerPlace> placeB = FindPlace(store, counts, g, r, b.Player);
    if (!placeA || !placeB) return SwapOutcome::NotAsShown;
    if (a.Shown != CourtCell(baanCode, placeA->Court) ||
        b.Shown != CourtCell(baanCode, placeB->Court))
        return SwapOutcome::NotAsShown;
    if (placeA->Court == placeB->Court) return SwapOutcome::SamePlace;

    RoundRecord& record = store.RoundTable[r];
    GroupTables& tables = store.Of(g);
    if (placeA->Court > 0)
        record.Courts[placeA->Court][placeA->Slot] = static_cast<uint8_t>(b.Player);
    if (placeB->Court > 0)
        record.Courts[placeB->Court][placeB->Slot] = static_cast<uint8_t>(a.Player);
    if (placeB->Court == 0) MoveGame(tables, a.Player, b.Player);
    if (placeA->Court == 0) MoveGame(tables, b.Player, a.Player);
    tables.CourtOfPlayer[r].Court[a.Player] = static_cast<uint8_t>(placeB->Court);
    tables.CourtOfPlayer[r].Court[b.Player] = static_cast<uint8_t>(placeA->Court);
    return SwapOutcome::Swapped;
}
