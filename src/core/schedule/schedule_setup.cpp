#include "core/schedule/schedule_setup.h"

#include "core/common/error_report.h"
#include "core/schedule/name_lists.h"

namespace {

constexpr uint8_t MsgNoMemberFile = 11; // "Geen Schema mogelijk zonder Bestand"

} // namespace

bool OpenScheduleSetup(CommonState& common, const ConfigState& config, const MemberState& members,
                       ScheduleStore& store, int kind, Messenger& messenger, Beeper& bell) {
    // The names and counts of the last run are replaced from here on.
    ++store.Edition;
    common.ScheduleKind = kind;
    SetGroupLabels(config, store);
    NewNameLists(store);
    if (kind != 1) return true;
    if (!members.MemberDataPresent) {
        ReportScheduleError({messenger, common.ErrorCode}, WarnsAboutCourts(config), 0,
                            MsgNoMemberFile, 0);
        return false;
    }
    store.Params.NHeren = FillNameList(config, members, messenger, bell, store.Of(Men).Names, 0);
    store.Params.NDames = FillNameList(config, members, messenger, bell, store.Of(Women).Names, 1);
    if (store.Params.NHeren == 0 || store.Params.NDames == 0) store.Params.NMixRonden = 0;
    return true;
}

void ApplyScheduleSetup(CommonState& common, ScheduleStore& store, const ScheduleSetupInput& input,
                        Beeper& bell, ScheduleView& view) {
    ScheduleParams& params = store.Params;
    common.ScheduleKind = input.Kind;
    if (input.NHeren) params.NHeren = *input.NHeren;
    if (input.NDames) params.NDames = *input.NDames;
    params.NDubRonden = input.NDubRonden;
    params.NMixRonden = input.NMixRonden;
    params.NBanen = input.NBanen;
    params.SpeelDatum = input.SpeelDatum;
    if (params.NHeren == 0 || params.NDames == 0) params.NMixRonden = 0;

    // The proposal fills every group; the courts the input gives replace a group's whole row.
    if (!input.CourtsMen || !input.CourtsWomen || !input.CourtsMixed) {
        store.CourtsMen.fill(0);
        store.CourtsWomen.fill(0);
        store.CourtsMixed.fill(0);
        DefaultCourts(store, bell, view);
    }
    if (input.CourtsMen) store.CourtsMen = *input.CourtsMen;
    if (input.CourtsWomen) store.CourtsWomen = *input.CourtsWomen;
    if (input.CourtsMixed) store.CourtsMixed = *input.CourtsMixed;
    store.CourtsMen[0] = store.CourtsWomen[0] = store.CourtsMixed[0] = 0;

    params.PairingOptions = input.PairingOptions;
    params.PauseOptions = input.PauseOptions;
}

bool PrepareSchedule(CommonState& common, const ConfigState& config, const MemberState& members,
                     ScheduleStore& store, const ScheduleSetupInput& input, Messenger& messenger,
                     Beeper& bell, ScheduleView& view) {
    if (!OpenScheduleSetup(common, config, members, store, input.Kind, messenger, bell))
        return false;
    ApplyScheduleSetup(common, store, input, bell, view);
    return true;
}
