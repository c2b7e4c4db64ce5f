#include "core/reports/court_of_player.h"

#include "core/reports/report_text.h"

std::string EmptySlotText(int court, int round) {
    return "Geen baanpaar op baan: " + Str(court, 2) + " in ronde: " + Decimal(round);
}

namespace {

void Place(ScheduleStore& store, Group g, int r, int c, uint8_t p, Messenger& messenger) {
    if (p == 0) {
        messenger.Show(EmptySlotText(c, r), KindFout, ButtonsOK);
        return;
    }
    if (p <= MaxGroupPlayers) store.Of(g).CourtOfPlayer[r].Court[p] = static_cast<uint8_t>(c);
}

} // namespace

void BuildCourtOfPlayer(ScheduleStore& store, const ReportCounts& counts, Messenger& messenger) {
    // Derived afresh every time: a court kept from before would show a player where the round
    // table no longer has him.
    for (Group g : {Men, Women})
        for (int r = 1; r <= counts.Rounds(); ++r) store.Of(g).CourtOfPlayer[r].Court.fill(0);
    for (int r = 1; r <= counts.Doubles; ++r) {
        const RoundRecord& record = store.RoundTable[r];
        for (Group g : DisplayOrder(store.LadiesFirst)) {
            if (counts.Of(g) == 0) continue;
            const CourtRange courts = GroupCourts(record, g);
            for (int c = courts.First; c <= courts.Last; ++c)
                for (uint8_t p : record.Courts[c]) Place(store, g, r, c, p, messenger);
        }
    }
    for (int r = counts.Doubles + 1; r <= counts.Rounds(); ++r) {
        const RoundRecord& record = store.RoundTable[r];
        const CourtRange courts = MixedCourts(record);
        for (int c = courts.First; c <= courts.Last; ++c) {
            const auto& slots = record.Courts[c];
            for (int s = 0; s < 4; ++s)
                Place(store, s % 2 == 0 ? Men : Women, r, c, slots[s], messenger);
        }
    }
}
