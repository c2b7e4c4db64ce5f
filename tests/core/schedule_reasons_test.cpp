// Why a failed round failed: one case per reason, from the counts of the round and from the
// bounds at its start. The texts are the program's own; the outcome messages stay as they are.

#include "schedule_test_setup.h"

#include <gtest/gtest.h>

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

Members Men(int count, const std::string& code = "X") {
    return Members(count, {"h", code});
}

struct ReasonCase {
    const char* Name;
    Members Players;
    int Doubles, Mixed;
    std::vector<uint8_t> CourtsMen, CourtsMixed;
    uint16_t Pairing, Pause;
    std::vector<RoundReasonEntry> Expected;
};

std::vector<ReasonCase> Cases() {
    Members late = Men(7);
    late.push_back({"h", "X1"}); // sits out round 1
    Members pause = Men(8);
    pause.push_back({"h", "63"}); // sits out rounds 1..3
    Members fourAndFour = Men(4);
    for (int w = 0; w < 4; ++w) fourAndFour.push_back({"d", "X"});
    return {
        {"pausing players leave too few",
         late,
         1,
         0,
         {2},
         {},
         0,
         0,
         {{0, 1,
           "Heren: er zijn 7 spelers beschikbaar (1 pauzeren of komen later); 2 banen vragen er "
           "8."}}},
        {"more must-play players than places",
         Men(12),
         2,
         0,
         {1, 1},
         {},
         0,
         0,
         {{0, 2,
           "Heren: 8 spelers moeten spelen omdat ze de vorige ronde niet speelden, maar 1 baan "
           "heeft maar 4 plaatsen voor hen."}}},
        {"the balance cannot hold",
         pause,
         4,
         0,
         {2, 2, 2, 2},
         {},
         0,
         5,
         {{0, 4,
           "Heren: met 2 banen zou iemand twee wedstrijden meer krijgen dan een ander (de "
           "spelers hebben nu 0 tot 3 wedstrijden gespeeld)."}}},
        {"no partners left",
         Men(4),
         3,
         0,
         {1, 1, 1},
         {},
         2,
         0,
         {{0, 3,
           "Heren: maar 0 spelers hebben nog een partner met wie ze nog niet speelden; 1 baan "
           "vraagt er 4."}}},
        {"the mixed search keeps its first pair",
         fourAndFour,
         0,
         3,
         {},
         {2, 2, 2},
         2,
         0,
         {{2, 2,
           "Mixed: geen selectie met Voor1 Achter1 en Voor6 Achter6 als eerste paar voldoet aan "
           "alle regels."},
          {2, 3,
           "Mixed: geen selectie met Voor1 Achter1 en Voor6 Achter6 als eerste paar voldoet aan "
           "alle regels."}}},
        {"a must-play player without a partner",
         pause,
         4,
         0,
         {2, 2, 2, 2},
         {},
         0,
         0,
         {{0, 4,
           "Heren: Voor9 Achter9 moet spelen (zat de vorige ronde uit), maar er is geen "
           "partner meer over met wie hij of zij nog niet speelde."}}},
    };
}

} // namespace

TEST(RoundReasons, EachFailedRoundSaysWhy) {
    for (const ReasonCase& c : Cases()) {
        for (bool literal : {true, false}) {
            SCOPED_TRACE(std::string(c.Name) + (literal ? " (literal)" : ""));
            ScheduleSetup s;
            s.Control.Literal = literal;
            s.State->Configuration.Config.CfgRec.Cfgflags = 16;
            s.Names(c.Players, c.Doubles, c.Mixed, 1, c.Pairing, c.Pause);
            s.Store().CourtsMen.fill(0);
            s.Store().CourtsWomen.fill(0);
            s.Store().CourtsMixed.fill(0);
            for (std::size_t r = 0; r < c.CourtsMen.size(); ++r)
                s.Store().CourtsMen[r + 1] = c.CourtsMen[r];
            for (std::size_t m = 0; m < c.CourtsMixed.size(); ++m)
                s.Store().CourtsMixed[m + 1] = c.CourtsMixed[m];
            s.Start();
            const auto& got = s.Store().Reasons;
            ASSERT_EQ(got.size(), c.Expected.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].Group, c.Expected[i].Group);
                EXPECT_EQ(got[i].Round, c.Expected[i].Round);
                EXPECT_EQ(got[i].Text, c.Expected[i].Text);
            }
        }
    }
}
