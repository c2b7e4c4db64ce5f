#pragma once
// Small schedules written by hand straight into the store, for the report tests: the names, the
// courts of each round, the play counts and opponents, as a run would leave them.

#include "core/reports/report_build.h"
#include "core/reports/report_print.h"
#include "core/schedule/name_lists.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Slots = std::array<uint8_t, 4>;

struct HandStore {
    std::unique_ptr<AppState> State = std::make_unique<AppState>();
    ScriptedMessenger Messages;

    explicit HandStore(int kind = 1, const char* code1 = "h", const char* code2 = "d") {
        State->Configuration.Config.CfgRec.Grpn[0] = code1;
        State->Configuration.Config.CfgRec.Grpn[1] = code2;
        SetGroupLabels(State->Configuration, State->Store());
        NewNameLists(Store());
        State->Common.ScheduleKind = kind;
    }

    ScheduleStore& Store() { return State->Store(); }

    // Report opt of the store as it is printed, or nothing when the report is refused.
    std::optional<ReportPrintout> Printout(uint16_t opt) {
        ReportOpening opening =
            PrepareReport(State->Common, State->Configuration, Store(), Messages, opt);
        if (!opening.Report) return std::nullopt;
        return ReportPrintoutOf(State->Common, State->Configuration, Store(), *opening.Report,
                                ReportListItems(opening.Report->Lines));
    }

    void Names(Group g, const std::vector<std::pair<std::string, std::string>>& names) {
        NameList& list = Store().Of(g).Names;
        for (std::size_t i = 0; i < names.size(); ++i) {
            list[i + 1].NaamRec.Voornaam = names[i].first;
            list[i + 1].NaamRec.AchterNaam = names[i].second;
        }
        (g == Men ? Store().Params.NHeren : Store().Params.NDames) = static_cast<int>(names.size());
        (g == Men ? Store().NumMen : Store().NumWomen) = static_cast<int>(names.size());
    }

    void Numbered(int men, int women) {
        FillPairNames(Store().Of(Men).Names, men, "H");
        FillPairNames(Store().Of(Women).Names, women, "D");
        Store().Params.NHeren = Store().NumMen = men;
        Store().Params.NDames = Store().NumWomen = women;
    }

    void Rounds(int doubles, int mixed, int courts) {
        ScheduleParams& p = Store().Params;
        p.NDubRonden = Store().NumDoublesRounds = doubles;
        p.NMixRonden = Store().NumMixedRounds = mixed;
        p.NBanen = Store().NumCourts = courts;
        Store().NumRounds = doubles + mixed;
        State->Configuration.Config.CfgRec.NBanen = static_cast<int16_t>(courts);
        for (int r = 1; r <= 24; ++r) {
            RoundRecord& rec = Store().RoundTable[r];
            rec.FirstMen = rec.FirstWomen = rec.FirstMixed = 1;
            rec.LastMen = rec.LastWomen = rec.LastMixed = 0;
        }
    }

    // The courts of group g in doubles round r, from court `first` on.
    void Doubles(int r, Group g, int first, const std::vector<Slots>& courts) {
        RoundRecord& rec = Store().RoundTable[r];
        for (std::size_t i = 0; i < courts.size(); ++i) rec.Courts[first + i] = courts[i];
        const int last = first + static_cast<int>(courts.size()) - 1;
        if (g == Men)
            rec.FirstMen = first, rec.LastMen = last;
        else
            rec.FirstWomen = first, rec.LastWomen = last;
    }

    void Mixed(int r, const std::vector<Slots>& courts) {
        RoundRecord& rec = Store().RoundTable[r];
        for (std::size_t i = 0; i < courts.size(); ++i) rec.Courts[1 + i] = courts[i];
        rec.FirstMixed = 1;
        rec.LastMixed = static_cast<int>(courts.size());
        Store().CourtsMixed[r - Store().Params.NDubRonden] = static_cast<uint8_t>(courts.size());
    }

    void PlayCounts(Group g, const std::vector<int>& counts) {
        for (std::size_t i = 0; i < counts.size(); ++i)
            Store().Of(g).PlayCount[i + 1] = static_cast<uint8_t>(counts[i]);
    }

    // Opponents of player p of group g, round by round: {first, second}.
    void Opponents(Group g, int p, const std::vector<std::pair<int, int>>& byRound) {
        for (std::size_t r = 0; r < byRound.size(); ++r)
            Store().Of(g).OpponentTable[r + 1][p] = {static_cast<uint8_t>(byRound[r].first),
                                                     static_cast<uint8_t>(byRound[r].second)};
    }

    std::vector<std::string> Lines(int opt) {
        ReportOpening opening =
            PrepareReport(State->Common, State->Configuration, State->Store(), Messages, opt);
        std::vector<std::string> lines;
        if (opening.Report)
            for (const TResultObj& line : opening.Report->Lines) lines.push_back(line.Regel);
        return lines;
    }
};

// Four men, a fifth who never plays, four women; two doubles rounds (men on court 1, women on
// court 2) and one mixed round on two courts.
inline void FillClubSchedule(HandStore& s) {
    s.Names(Men, {{"Jan", "Smit"},
                  {"Piet", "Bakker"},
                  {"Kees", "de Vries"},
                  {"Anton", "Aalders"},
                  {"Bert", "Zwart"}});
    s.Names(Women, {{"Els", "Jansen"}, {"Mia", "Bos"}, {"An", "Kok"}, {"Ria", "Arts"}});
    s.Rounds(2, 1, 2);
    s.Doubles(1, Men, 1, {{1, 2, 3, 4}});
    s.Doubles(1, Women, 2, {{1, 2, 3, 4}});
    s.Doubles(2, Men, 1, {{1, 3, 2, 4}});
    s.Doubles(2, Women, 2, {{1, 3, 2, 4}});
    s.Mixed(3, {{1, 1, 2, 2}, {3, 3, 4, 4}});
    s.PlayCounts(Men, {3, 3, 3, 3, 0});
    s.PlayCounts(Women, {3, 3, 3, 2});
    s.Opponents(Men, 1, {{3, 4}, {2, 4}, {2, 2}});
    s.Opponents(Men, 2, {{3, 4}, {1, 3}, {1, 1}});
    s.Opponents(Men, 3, {{1, 2}, {2, 4}, {4, 4}});
    s.Opponents(Men, 4, {{1, 2}, {1, 3}, {3, 3}});
    s.Opponents(Women, 1, {{3, 4}, {2, 4}, {2, 2}});
    s.Opponents(Women, 2, {{3, 4}, {1, 3}, {1, 1}});
    s.Opponents(Women, 3, {{1, 2}, {2, 4}, {4, 4}});
    s.Opponents(Women, 4, {{1, 2}, {0, 0}, {3, 3}});
}
