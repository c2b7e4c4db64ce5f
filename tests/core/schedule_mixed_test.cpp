#include "core/schedule/mixed_round.h"
#include "schedule_test_setup.h"

#include <gtest/gtest.h>

namespace {

using Court = std::array<uint8_t, 4>;

// A mixed round m of a schedule without doubles rounds, with the given pair list; every player
// available and with the given games and sat-out flags.
struct MixedRound {
    ScheduleSetup S;
    MixedRound(int men, int women, int rounds, std::vector<PlayerPair> list) {
        ScheduleStore& store = S.Store();
        store.NumMen = men;
        store.NumWomen = women;
        store.NumDoublesRounds = 0;
        store.NumMixedRounds = rounds;
        store.NumRounds = rounds;
        for (int r = 1; r <= rounds; ++r) {
            for (int p = 1; p <= men; ++p) store.Of(Men).StatusTable[r].Status[p] = 24;
            for (int p = 1; p <= women; ++p) store.Of(Women).StatusTable[r].Status[p] = 24;
        }
        store.MixedPairs.Count = 0;
        for (PlayerPair q : list) store.MixedPairs.Pairs[++store.MixedPairs.Count] = q;
    }
    std::vector<PlayerPair> Select(int m, int courts) {
        SelectMixedRound(S.Store(), S.Run, m, courts);
        const RoundResultList& result = S.Store().MixedResult;
        return {result.Pairs.begin() + 1, result.Pairs.begin() + 1 + result.Count};
    }
};

} // namespace

TEST(MixedRound, TwoCouplesChangePartnersInRoundTwo) {
    ScheduleSetup s;
    s.Pairs(2, 2, 0, 2, 1, /*pairing=*/0);
    s.Start();
    EXPECT_EQ(s.Court(1, 1), (Court{1, 1, 2, 2}));
    EXPECT_EQ(s.Court(2, 1), (Court{1, 2, 2, 1}));
    EXPECT_TRUE(s.Ports.Messages.Shown.empty());
    const RoundRecord& r2 = s.Store().RoundTable[2];
    EXPECT_EQ((std::array<int, 6>{r2.FirstMen, r2.LastMen, r2.FirstWomen, r2.LastWomen,
                                  r2.FirstMixed, r2.LastMixed}),
              (std::array<int, 6>{0, 0, 0, 0, 1, 1}));
    // Man, then woman of the opposing pair.
    EXPECT_EQ(s.Store().Of(Men).OpponentTable[1][1], (OpponentEntry{2, 2}));
    EXPECT_EQ(s.Store().Of(Women).OpponentTable[1][2], (OpponentEntry{1, 1}));
    EXPECT_EQ(s.Store().Of(Men).OpponentTable[2][2], (OpponentEntry{1, 2}));
}

TEST(MixedRound, WithVaryPairsTheMenWhoFacedEachOtherFindNothing) {
    ScheduleSetup s;
    s.Pairs(2, 2, 0, 2, 1, /*pairing=*/2);
    s.Start();
    EXPECT_EQ(s.Court(1, 1), (Court{1, 1, 2, 2}));
    const auto& block = s.Store().MixBlock;
    ASSERT_EQ(block.Count, 4);
    EXPECT_EQ(block.Entries[1], (PlayerPair{1, 1}));
    EXPECT_EQ(block.Entries[2], (PlayerPair{2, 2}));
    EXPECT_EQ(block.Entries[3], (PlayerPair{1, 2}));
    EXPECT_EQ(block.Entries[4], (PlayerPair{2, 1}));
    EXPECT_EQ(s.Store().RoundTable[2].LastMixed, 0);
    // The search found a part selection that passed the tests, so only the short result is
    // reported.
    EXPECT_EQ(s.Ports.Messages.Texts(),
              (std::vector<std::string>{
                  "Geen oplossing gemengd-tolvex   Selectie niet gelukt in ronde : 2"}));
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(s.Store().Of(Men).OpponentTable[2][p], (OpponentEntry{0, 0}));
        EXPECT_EQ(s.Store().Of(Women).OpponentTable[2][p], (OpponentEntry{0, 0}));
    }
}

TEST(MixedRound, GroupAgainstGroupRecordsOwnPartnerAndOpponent) {
    ScheduleSetup s;
    s.Pairs(2, 2, 0, 1, 1, /*pairing=*/4);
    s.Start();
    const GroupTables& men = s.Store().Of(Men);
    const GroupTables& women = s.Store().Of(Women);
    EXPECT_EQ(men.OpponentTable[1][1], (OpponentEntry{1, 2}));
    EXPECT_EQ(men.OpponentTable[1][2], (OpponentEntry{2, 1}));
    EXPECT_EQ(women.OpponentTable[1][1], (OpponentEntry{2, 1}));
    EXPECT_EQ(women.OpponentTable[1][2], (OpponentEntry{1, 2}));
}

TEST(MixedRound, GroupAgainstGroupTakesTheFirstCompleteSelection) {
    // Man 3 sat out and must play; only group 1 against group 2 lets him sit out again.
    for (uint16_t pairing : {0, 4}) {
        MixedRound round(3, 3, 2, {{1, 1}, {2, 2}, {3, 3}});
        ScheduleStore& store = round.S.Store();
        store.Params.PairingOptions = pairing;
        for (int p = 1; p <= 3; ++p) store.Of(Men).PlayCount[p] = store.Of(Women).PlayCount[p] = 1;
        store.Of(Men).SatOut[3] = 1;
        auto result = round.Select(2, 1);
        if (pairing == 4)
            EXPECT_EQ(result, (std::vector<PlayerPair>{{1, 1}, {2, 2}}));
        else
            EXPECT_EQ(result, (std::vector<PlayerPair>{{1, 1}, {3, 3}}));
        EXPECT_TRUE(store.RoundValid);
    }
}

TEST(MixedRound, TheFirstAcceptablePairIsNeverDropped) {
    // (1,2) against (2,1) would do, but the search gives up once (1,1) has no opponent.
    MixedRound round(2, 2, 1, {{1, 1}, {1, 2}, {2, 1}});
    EXPECT_TRUE(round.Select(1, 1).empty());
    EXPECT_EQ(round.S.Store().Candidates, 3u);
}

TEST(MixedRound, TooFewCourtsEndsAllButTheLastRoundWithWhatItHas) {
    // All three men sat out and must play, but one court holds two of them.
    for (int m : {1, 2}) {
        MixedRound round(3, 3, 2, {{1, 1}, {2, 2}, {3, 3}});
        ScheduleStore& store = round.S.Store();
        for (int p = 1; p <= 3; ++p) store.Of(Men).SatOut[p] = 1;
        auto result = round.Select(m, 1);
        EXPECT_TRUE(store.TooFewCourts);
        EXPECT_FALSE(store.RoundValid);
        if (m == 1)
            EXPECT_EQ(result, (std::vector<PlayerPair>{{1, 1}, {2, 2}}));
        else
            EXPECT_TRUE(result.empty()); // the last round searched on and ran out
    }
}

TEST(AfterMixedRound, ALongMixedScheduleKeepsEveryEncounterBlocked) {
    // 24 mixed rounds on 32 courts record 3072 entries: none may be lost past 1536.
    MixedRound round(4, 4, 1, {});
    ScheduleStore& store = round.S.Store();
    store.VaryPairs = true;
    store.CourtsMixed[1] = 2;
    store.MixBlock.Count = 1534;
    store.MixedResult.Count = 4;
    store.MixedResult.Pairs[1] = {1, 1};
    store.MixedResult.Pairs[2] = {2, 2};
    store.MixedResult.Pairs[3] = {3, 3};
    store.MixedResult.Pairs[4] = {4, 4};
    AfterMixedRound(store, 1);
    ASSERT_EQ(store.MixBlock.Count, 1542);
    EXPECT_EQ(store.MixBlock.Entries[1539], (PlayerPair{3, 3}));
    EXPECT_EQ(store.MixBlock.Entries[1542], (PlayerPair{4, 3}));
    EXPECT_EQ(store.Of(Men).PlayCount[4], 1);
    EXPECT_EQ(store.Of(Women).OpponentTable[1][4], (OpponentEntry{3, 3}));
}
