#include "core/schedule/schedule_run.h"

#include "core/common/error_report.h"
#include "core/common/message_tables.h"
#include "core/common/typed_text.h"
#include "core/schedule/availability.h"
#include "core/schedule/doubles_round.h"
#include "core/schedule/mixed_round.h"
#include "core/schedule/name_lists.h"
#include "core/schedule/pair_weights.h"
#include "core/schedule/round_failure.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/schedule_setup_fields.h"

#include <algorithm>

namespace {

// Message numbers of the schedule error report (prefix and message).
constexpr uint8_t MsgTooFewCourts = 2;    // "Banen te weinig ! : "
constexpr uint8_t MsgSelectionFailed = 3; // "Selectie niet gelukt"
constexpr uint8_t MsgTooManyCourts = 4;   // "Banen te veel   ! "
constexpr uint8_t PrefixMen = 7;          // "Geen oplossing heren-tolvex     "
constexpr uint8_t PrefixWomen = 8;        // "Geen oplossing dames-tolvex     "
constexpr uint8_t PrefixMixed = 9;        // "Geen oplossing gemengd-tolvex   "

void ReportRound(CommonState& common, const ConfigState& config, RunPorts& ports, uint8_t prefix,
                 uint8_t msg, uint8_t round) {
    ReportScheduleError({ports.Msg, common.ErrorCode}, WarnsAboutCourts(config), prefix, msg,
                        round);
}

// Lets the user interface process pending events, then tells whether a stop was asked.
bool StopAsked(RunPorts& ports) {
    ports.Pump.ProcessEvents();
    return ports.Control.StopAsked();
}

// Whether a group has fewer players who can play the round than its courts have places: a
// cause in the round's own counts, whatever the earlier rounds did.
bool TooFewToFill(const ScheduleStore& store, int group, int round, int courts) {
    auto available = [&](Group g, bool mixed) {
        StatusRecord record = store.Of(g).StatusTable[round];
        if (mixed) MixedRoundStatusUpdate(store, g, record);
        return CountAvailable(record, store.CountOf(g));
    };
    if (group == 2) return available(Men, true) < 2 * courts || available(Women, true) < 2 * courts;
    return available(static_cast<Group>(group), false) < 4 * courts;
}

// A failed round's reason goes to the run's list and to the set-up window.
void NoteRoundReason(ScheduleStore& store, RunPorts& ports, int group, int round, int courts) {
    if (store.RoundReasonText.empty()) return;
    const bool ownCounts = courts <= 0 || store.TooManyCourts || ports.Control.StopAsked() ||
                           TooFewToFill(store, group, round, courts);
    store.Reasons.push_back({group, round, store.RoundReasonText, !ownCounts});
    ports.View.ShowRoundReason(group, round, store.RoundReasonText);
}

void ReportRoundFlags(CommonState& common, const ConfigState& config, ScheduleStore& store,
                      RunPorts& ports, uint8_t prefix, int round) {
    const uint8_t r = static_cast<uint8_t>(round);
    if (store.TooManyCourts)
        ReportRound(common, config, ports, prefix, MsgTooManyCourts, r);
    else if (store.TooFewCourts)
        ReportRound(common, config, ports, prefix, MsgTooFewCourts, r);
    else
        ReportRound(common, config, ports, 0, prefix, r); // the search ran out
}

// One group's doubles rounds; false when the user stopped the run.
bool DoublesPhase(CommonState& common, const ConfigState& config, ScheduleStore& store,
                  RunPorts& ports, Group g) {
    const uint8_t prefix = g == Men ? PrefixMen : PrefixWomen;
    if (store.CountOf(g) <= 0) return true;
    for (int r = 1; r <= store.NumDoublesRounds; ++r) {
        try {
            store.CurrentRound = r;
            ShowRoundProgress(config, store, ports, r, g);
            const int courts = g == Men ? store.CourtsMen[r] : store.CourtsWomen[r];
            SelectDoublesRound(store, ports, g, r, courts);
            if (!store.RoundValid) ReportRoundFlags(common, config, store, ports, prefix, r);
            NoteRoundReason(store, ports, g, r, courts);
            if (StopAsked(ports)) return false;
            ArrangeMatches(store, g, r);
            RecordRound(store, g, r);
            AfterDoublesRound(store, g, r);
            WeighPairs(store, g, courts);
            AdoptNextPairList(store, g);
        } catch (const RoundFailure&) {
            ReportRound(common, config, ports, prefix, MsgSelectionFailed, static_cast<uint8_t>(r));
        }
    }
    return true;
}

bool MixedPhase(CommonState& common, const ConfigState& config, ScheduleStore& store,
                RunPorts& ports) {
    const int doubles = store.NumDoublesRounds;
    for (int m = 1; m <= store.NumMixedRounds; ++m) {
        const uint8_t round = static_cast<uint8_t>(doubles + m);
        try {
            store.CurrentRound = m;
            ShowRoundProgress(config, store, ports, m, 2);
            const int courts = store.CourtsMixed[m];
            SelectMixedRound(store, ports, m, courts);
            if (store.MixedResult.Count < 2 * courts)
                ReportRound(common, config, ports, PrefixMixed, MsgSelectionFailed, round);
            if (!store.RoundValid)
                ReportRoundFlags(common, config, store, ports, PrefixMixed, round);
            NoteRoundReason(store, ports, 2, round, courts);
            if (StopAsked(ports)) return false;
            RecordMixedRound(store, m);
            AfterMixedRound(store, m);
            WeighMixedPairs(store, store.MixedNextPairs);
            store.MixedPairs.Count = store.MixedNextPairs.Count;
            std::copy_n(store.MixedNextPairs.Pairs.begin() + 1, store.MixedNextPairs.Count,
                        store.MixedPairs.Pairs.begin() + 1);
        } catch (const RoundFailure&) {
            ReportRound(common, config, ports, PrefixMixed, MsgSelectionFailed, round);
        }
    }
    return true;
}

void Warn(Messenger& messenger, std::string_view first, std::string_view second) {
    std::string text(first);
    text += '\r';
    text += second;
    messenger.Show(text, KindWaarschuwing, ButtonsOK);
}

// The first character of a group code, upper-cased when it is a lower-case letter; an empty
// code gives an empty letter.
std::string PairLetter(const ShortString<3>& code) {
    if (code.Empty()) return {};
    char c = code[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return std::string(1, c);
}

// "Geen spelers om in te delen: aantal heren en aantal dames zijn allebei 0", with the names of
// the groups as the set-up window shows them.
std::string NoPlayersText(const ScheduleStore& store) {
    auto name = [&](int g) { return LowerAscii(GroupName(store, g)); };
    return "Geen spelers om in te delen: aantal " + name(0) + " en aantal " + name(1) +
           " zijn allebei 0";
}

} // namespace

std::string RoundProgressText(const ScheduleStore& store, int round, int g) {
    std::string text(" Berekening");
    text += store.GroupLabel[g].View();
    if (text.size() > 21) text.resize(21);
    text += " in ronde : ";
    if (text.size() > 33) text.resize(33);
    for (int i = 1; i <= round; ++i) {
        text += ',';
        text += std::to_string(i);
    }
    return text;
}

void ShowRoundProgress(const ConfigState& config, const ScheduleStore& store, RunPorts& ports,
                       int round, int g) {
    if ((config.Config.CfgRec.Cfgflags & CfgShowProgress) == 0) return;
    ports.View.ShowRoundProgress(round <= 7 ? 1 : 2, RoundProgressText(store, round, g));
    ports.Pump.Delay(500);
}

void WriteCompu(RunPorts& ports, int compindx) {
    ports.View.WriteCompu(compindx);
    ports.Pump.Delay(100);
}

void StartRun(CommonState& common, const ConfigState& config, ScheduleStore& store,
              RunPorts& ports) {
    ScheduleParams& params = store.Params;

    const bool tooManyPlayers =
        static_cast<long long>(params.NHeren) + params.NDames > MaxGroupPlayers;
    const bool tooManyCourts = params.NBanen > MaxCourts;
    if (tooManyPlayers) Warn(ports.Msg, Messages[28], Messages[40]);
    if (tooManyCourts) Warn(ports.Msg, Messages[28], Messages[42]);
    if (tooManyPlayers || tooManyCourts) return;
    // The store holds 24 rounds; negative counts cannot be computed. The set-up window keeps
    // the counts inside these bounds, so this only guards against a damaged set-up.
    if (!RunCountsFit({ports.Msg, common.ErrorCode}, store)) return;

    store.NumPlayers = params.NHeren + params.NDames;
    if (params.NHeren == 0)
        params.PairingOptions = static_cast<uint16_t>((params.PairingOptions & 6) + 1);
    if (params.NHeren == 0 || params.NDames == 0) params.NMixRonden = 0;
    store.NumRounds = params.NDubRonden + params.NMixRonden;

    store.RunBlocked = false;
    ports.View.SaveCourtPage();
    if (store.NumPlayers == 0) {
        // Nothing to compute: the organiser is told why nothing happens.
        store.RunBlocked = true;
        ports.Msg.Show(NoPlayersText(store), KindWaarschuwing, ButtonsOK);
        ports.View.HideWarning();
        return;
    }

    store.NumMen = params.NHeren;
    store.NumWomen = params.NDames;
    store.NumDoublesRounds = params.NDubRonden;
    store.NumMixedRounds = params.NMixRonden;
    store.NumCourts = params.NBanen;
    store.LadiesFirst = (params.PairingOptions & PairLadiesFirst) != 0;
    store.VaryPairs = (params.PairingOptions & PairVary) != 0;
    // Two or three pauses for 3-times players are not possible: the entry falls back to none
    // (three to one), with a beep.
    if ((params.PauseOptions & 2) != 0) ports.Bell.Beep();
    params.PauseOptions = static_cast<uint16_t>(params.PauseOptions & 13);
    store.PauseMode = static_cast<uint8_t>((params.PauseOptions >> 1) + (params.PauseOptions & 1));
    {
        const int twoTimes = params.PauseOptions & 12;
        ports.View.ShowPauseEdits((params.PauseOptions & 3) == 1 ? 1 : 0, twoTimes == 4    ? 1
                                                                          : twoTimes == 8  ? 2
                                                                          : twoTimes == 12 ? 3
                                                                                           : 0);
    }

    PrepareAvailability(store, common.ScheduleKind, Men);
    PrepareAvailability(store, common.ScheduleKind, Women);
    common.ErrorCode = 0;
    CheckCourts(common, config, store, ports);

    // A round needing more than the 32 courts of the round table (the men's and the women's
    // courts together) cannot be recorded.
    bool courtsOverflow = false;
    for (int r = 1; r <= store.NumDoublesRounds; ++r)
        if (store.CourtsMen[r] + store.CourtsWomen[r] > MaxCourts) courtsOverflow = true;
    for (int m = 1; m <= store.NumMixedRounds; ++m)
        if (store.CourtsMixed[m] > MaxCourts) courtsOverflow = true;
    if (courtsOverflow) {
        Warn(ports.Msg, Messages[28], Messages[42]);
        store.RunBlocked = true;
        ports.View.HideWarning();
        return;
    }

    if (common.ErrorCode != 0) {
        if (ports.Msg.Show(" Wilt U stoppen", KindBevestig, ButtonsJaNee) == ResultYes)
            store.RunBlocked = true;
    }
    if (store.RunBlocked) {
        ports.View.HideWarning();
        return;
    }

    ports.View.FocusOK();
    store.Of(Men).PartnerBlock.Count = 0;
    store.Of(Women).PartnerBlock.Count = 0;
    store.MixBlock.Count = 0;
    for (Group g : {Men, Women}) {
        for (auto& record : store.Of(g).CourtOfPlayer) {
            record.Count = g == Men ? params.NHeren : params.NDames;
            record.Court.fill(0);
        }
    }

    if (common.ScheduleKind == 2) {
        FillPairNames(store.Of(Men).Names, params.NHeren, PairLetter(config.Config.CfgRec.Grpn[0]));
        FillPairNames(store.Of(Women).Names, params.NDames,
                      PairLetter(config.Config.CfgRec.Grpn[1]));
    }

    ports.View.ShowStopButton(true);
    RunSchedule(common, config, store, ports);
    WriteCompu(ports, 4);
}

bool RunSchedule(CommonState& common, const ConfigState& config, ScheduleStore& store,
                 RunPorts& ports) {
    store.RunEdition = ++store.Edition;
    store.Candidates = 0;
    store.BoundCuts = {};
    store.Reasons.clear();
    store.RunStopped = false;

    WriteCompu(ports, 1);
    store.RunBlocked = true;
    StartDoublesPhase(store, Men);
    for (auto& record : store.RoundTable) {
        record.FirstMen = record.LastMen = record.FirstWomen = record.LastWomen = 0;
        record.FirstMixed = record.LastMixed = 0;
    }
    ports.Control.StopKey = 0;
    ports.View.ResetProgress(store.NumRounds);

    bool going = true;
    if (store.NumDoublesRounds > 0) going = DoublesPhase(common, config, store, ports, Men);
    if (going) {
        WriteCompu(ports, 2);
        StartDoublesPhase(store, Women);
        if (store.NumDoublesRounds > 0) going = DoublesPhase(common, config, store, ports, Women);
    }
    if (going) {
        WriteCompu(ports, 3);
        StartMixedPhase(store);
        going = MixedPhase(common, config, store, ports);
    }
    if (!going) {
        store.RunStopped = true;
        return false;
    }
    store.RunBlocked = false;
    return true;
}
