#include "core/schedule/availability.h"
#include "core/schedule/doubles_round.h"
#include "core/schedule/pair_weights.h"
#include "schedule_test_setup.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Court = std::array<uint8_t, 4>;

// The plain selection sort, as the reference of the heap version.
void PlainSelectionSort(std::vector<PlayerPair>& pairs, std::vector<uint8_t>& weights) {
    const int count = static_cast<int>(pairs.size()) - 1;
    for (int i = 1; i <= count - 1; ++i) {
        int p = i;
        int best = weights[i];
        for (int j = i; j <= count; ++j)
            if (weights[j] > best) best = weights[j], p = j;
        std::swap(pairs[i], pairs[p]);
        std::swap(weights[i], weights[p]);
    }
}

} // namespace

TEST(DoublesRound, FourMenPartnerEveryOtherManOnce) {
    ScheduleSetup s;
    s.Pairs(4, 0, 3, 0, 1, /*pairing=*/0);
    s.Start();
    EXPECT_EQ(s.Court(1, 1), (Court{1, 2, 3, 4}));
    EXPECT_EQ(s.Court(2, 1), (Court{1, 3, 2, 4}));
    EXPECT_EQ(s.Court(3, 1), (Court{1, 4, 2, 3}));
    EXPECT_TRUE(s.Ports.Messages.Shown.empty());
    EXPECT_EQ(s.Store().Of(Men).OpponentTable[3][1], (OpponentEntry{2, 3}));
    EXPECT_EQ(s.Store().Of(Men).OpponentTable[3][3], (OpponentEntry{1, 4}));
}

TEST(DoublesRound, FourMenWithVaryPairsRunOutInRoundThree) {
    ScheduleSetup s;
    s.Pairs(4, 0, 3, 0, 1, /*pairing=*/2);
    s.Start();
    EXPECT_EQ(s.Court(1, 1), (Court{1, 2, 3, 4}));
    // Round 1 blocks (1,4) and (2,3) as partners.
    const auto& block = s.Store().Of(Men).PartnerBlock;
    ASSERT_GE(block.Count, 2);
    EXPECT_EQ(block.Entries[1], (PlayerPair{1, 4}));
    EXPECT_EQ(block.Entries[2], (PlayerPair{2, 3}));
    EXPECT_EQ(s.Court(2, 1), (Court{1, 3, 2, 4}));
    EXPECT_EQ(s.Store().RoundTable[3].FirstMen, 1);
    EXPECT_EQ(s.Store().RoundTable[3].LastMen, 0);
    EXPECT_EQ(s.Court(3, 1), (Court{0, 0, 0, 0}));
    EXPECT_EQ(s.Ports.Messages.Texts(),
              (std::vector<std::string>{"Geen oplossing heren-tolvex      in ronde : 3"}));
    EXPECT_EQ(s.Store().Of(Men).PlayCount[1], 2);
    EXPECT_EQ(s.Store().Of(Men).OpponentTable[3][1], (OpponentEntry{0, 0}));
}

TEST(DoublesRound, FiveMenOnOneCourtTheManWhoSatOutPlaysNext) {
    ScheduleSetup s;
    s.Pairs(5, 0, 5, 0, 1, 0);
    s.Start();
    std::vector<std::vector<int>> expected = {
        {1, 2, 3, 4}, {1, 5, 2, 4}, {3, 5, 1, 4}, {2, 3, 4, 5}, {1, 3, 2, 5}};
    int satOut = 0;
    for (int r = 1; r <= 5; ++r) {
        Court c = s.Court(r, 1);
        EXPECT_EQ(std::vector<int>(c.begin(), c.end()), expected[r - 1]) << "round " << r;
        if (satOut != 0) {
            EXPECT_NE(std::find(c.begin(), c.end(), satOut), c.end());
        }
        for (int p = 1; p <= 5; ++p)
            if (std::find(c.begin(), c.end(), p) == c.end()) satOut = p;
    }
    EXPECT_TRUE(s.Ports.Messages.Shown.empty());
}

namespace {

// Round 1 of 4 men on one court with the given partner blocks.
std::vector<PlayerPair> FirstRoundWithBlocks(std::vector<PlayerPair> blocks) {
    ScheduleSetup s;
    s.Pairs(4, 0, 1, 0, 1, 2);
    s.Start(); // the run values and tables of a finished run
    ScheduleStore& store = s.Store();
    StartDoublesPhase(store, Men);
    store.Of(Men).PartnerBlock.Count = 0;
    for (PlayerPair b : blocks) store.Of(Men).PartnerBlock.Append(b);
    PrepareAvailability(s.Store(), s.State->Common.ScheduleKind, Men);
    SelectDoublesRound(s.Store(), s.Run, Men, 1, 1);
    const RoundResultList& result = store.Of(Men).RoundResult;
    return std::vector<PlayerPair>(result.Pairs.begin() + 1,
                                   result.Pairs.begin() + 1 + result.Count);
}

} // namespace

TEST(DoublesRound, ABlockInReverseOrderDoesNotBlock) {
    EXPECT_EQ(FirstRoundWithBlocks({{2, 1}}), (std::vector<PlayerPair>{{1, 2}, {3, 4}}));
    EXPECT_EQ(FirstRoundWithBlocks({{1, 2}}), (std::vector<PlayerPair>{{1, 3}, {2, 4}}));
}

TEST(DoublesRound, WithoutPausesAnInitialPauseDropsThePlayersPairs) {
    ScheduleSetup s;
    s.Names({{"h", "X"}, {"h", "X"}, {"h", "X"}, {"h", "X"}, {"h", "X2"}}, 4, 0, 1, 0,
            /*pause=*/0);
    s.Start();
    for (int r = 1; r <= 4; ++r) {
        Court c = s.Court(r, 1);
        EXPECT_EQ(std::find(c.begin(), c.end(), 5), c.end()) << "round " << r;
    }
    EXPECT_EQ(s.Store().Of(Men).PlayCount[5], 0);
}

TEST(DoublesRound, WithPausesAnInitialPauseKeepsThePairsForLater) {
    ScheduleSetup s;
    s.Names({{"h", "X"}, {"h", "X"}, {"h", "X"}, {"h", "X"}, {"h", "X1"}}, 3, 0, 1, 0,
            /*pause=*/5);
    s.Start();
    Court c1 = s.Court(1, 1);
    EXPECT_EQ(std::find(c1.begin(), c1.end(), 5), c1.end());
    Court c2 = s.Court(2, 1);
    EXPECT_NE(std::find(c2.begin(), c2.end(), 5), c2.end());
}

TEST(DoublesRound, ABalanceThatCannotHoldEndsEmptyAndTheRunGoesOn) {
    // Man 9 sits out rounds 1..3 ("63"): in round 4 he has no game and the others three, so
    // no selection keeps the games within one of each other.
    std::vector<std::pair<std::string, std::string>> members(8, {"h", "X"});
    members.push_back({"h", "63"});
    for (int w = 0; w < 5; ++w) members.push_back({"d", "X"});
    for (bool literal : {true, false}) {
        ScheduleSetup s;
        s.Control.Literal = literal;
        s.Names(members, 4, 0, 3, 0, 5);
        s.Store().CourtsMen.fill(0);
        s.Store().CourtsWomen.fill(0);
        for (int r = 1; r <= 4; ++r) s.Store().CourtsMen[r] = 2, s.Store().CourtsWomen[r] = 1;
        s.Start();
        EXPECT_EQ(s.Store().RoundTable[4].FirstMen, 1);
        EXPECT_EQ(s.Store().RoundTable[4].LastMen, 0);
        EXPECT_EQ(s.Ports.Messages.Texts(),
                  (std::vector<std::string>{"Geen oplossing heren-tolvex      in ronde : 4"}));
        EXPECT_EQ(s.Store().Of(Men).PlayCount[9], 0);
        // The women's rounds still run, after the men's courts.
        EXPECT_EQ(s.Store().RoundTable[4].FirstWomen, 3);
        EXPECT_EQ(s.Store().RoundTable[4].LastWomen, 3);
        // The literal search tries every selection; the bounds see at once that none can do.
        if (literal)
            EXPECT_GT(s.Store().Candidates, 1000u);
        else
            EXPECT_LT(s.Store().Candidates, 300u);
    }
}

TEST(ArrangeMatches, TwoPairsHaveOneOutcome) {
    ScheduleStore store{};
    store.NumMen = 4;
    GroupTables& men = store.Of(Men);
    men.RoundResult.Count = 2;
    men.RoundResult.Pairs[1] = {3, 4};
    men.RoundResult.Pairs[2] = {1, 2};
    men.Met[1].Add(3);
    men.Met[3].Add(1);
    ArrangeMatches(store, Men, 2);
    EXPECT_EQ(men.RoundResult.Pairs[1], (PlayerPair{3, 4}));
    EXPECT_EQ(men.RoundResult.Pairs[2], (PlayerPair{1, 2}));
}

TEST(ArrangeMatches, PairsMeetThoseTheyHaveMetLeast) {
    ScheduleStore store{};
    store.NumMen = 8;
    GroupTables& men = store.Of(Men);
    men.RoundResult.Count = 4;
    men.RoundResult.Pairs[1] = {1, 2};
    men.RoundResult.Pairs[2] = {3, 4};
    men.RoundResult.Pairs[3] = {5, 6};
    men.RoundResult.Pairs[4] = {7, 8};
    // 1 and 3 met before, and 5 and 7: the best courts are (1,2)-(5,6)/(7,8) and so on.
    auto meet = [&](int a, int b) {
        men.Met[a].Add(b);
        men.Met[b].Add(a);
    };
    meet(1, 3);
    meet(2, 4);
    meet(5, 7);
    meet(1, 5);
    ArrangeMatches(store, Men, 2);
    // W(12,34)=4, W(12,56)=2, W(12,78)=0, W(34,56)=0, W(34,78)=0, W(56,78)=2:
    // (1,2) has the single best opponent (7,8); then (3,4) against (5,6).
    EXPECT_EQ(men.RoundResult.Pairs[1], (PlayerPair{1, 2}));
    EXPECT_EQ(men.RoundResult.Pairs[2], (PlayerPair{7, 8}));
    EXPECT_EQ(men.RoundResult.Pairs[3], (PlayerPair{3, 4}));
    EXPECT_EQ(men.RoundResult.Pairs[4], (PlayerPair{5, 6}));
}

TEST(RecordRound, LadiesFirstPutsTheWomenOnTheFirstCourts) {
    ScheduleSetup s;
    s.Pairs(8, 4, 1, 0, 3, /*pairing=*/1);
    s.Start();
    const RoundRecord& r1 = s.Store().RoundTable[1];
    EXPECT_EQ(s.Store().CourtsMen[1], 2);
    EXPECT_EQ(s.Store().CourtsWomen[1], 1);
    EXPECT_EQ((std::array<int, 4>{r1.FirstWomen, r1.LastWomen, r1.FirstMen, r1.LastMen}),
              (std::array<int, 4>{1, 1, 2, 3}));
    EXPECT_EQ(s.Court(1, 1), (Court{1, 2, 3, 4}));
    EXPECT_EQ(s.Court(1, 2), (Court{1, 2, 3, 4}));
    EXPECT_EQ(s.Court(1, 3), (Court{5, 6, 7, 8}));

    ScheduleSetup t;
    t.Pairs(8, 4, 1, 0, 3, /*pairing=*/0);
    t.Start();
    const RoundRecord& q1 = t.Store().RoundTable[1];
    EXPECT_EQ((std::array<int, 4>{q1.FirstMen, q1.LastMen, q1.FirstWomen, q1.LastWomen}),
              (std::array<int, 4>{1, 2, 3, 3}));
}

TEST(WeighPairs, ClassTableWithTheXYRule) {
    EXPECT_EQ(DoublesPairWeight(1, 1, false), 2);
    EXPECT_EQ(DoublesPairWeight(2, 5, false), 18);
    EXPECT_EQ(DoublesPairWeight(6, 2, false), 255);
    EXPECT_EQ(DoublesPairWeight(6, 6, false), 128);
    EXPECT_EQ(DoublesPairWeight(2, 6, true), 128);
    EXPECT_EQ(DoublesPairWeight(6, 6, true), 255);
    EXPECT_EQ(MixedPairWeight(6, 5), 128);
    EXPECT_EQ(MixedPairWeight(2, 6), 48);
}

TEST(SortByWeight, SwapsExactlyAsThePlainSelectionSort) {
    std::mt19937 random(7);
    std::vector<int32_t> positions;
    for (int trial = 0; trial < 300; ++trial) {
        const int count = static_cast<int>(random() % 300);
        const int kinds = 1 + static_cast<int>(random() % 7); // 7: any byte
        const uint8_t alphabet[6] = {2, 9, 18, 64, 128, 255};
        std::vector<PlayerPair> pairs(count + 1);
        std::vector<uint8_t> weights(count + 1);
        for (int i = 1; i <= count; ++i) {
            pairs[i] = {static_cast<uint8_t>(i % 251), static_cast<uint8_t>(i / 251)};
            weights[i] = kinds == 7 ? static_cast<uint8_t>(random()) : alphabet[random() % kinds];
        }
        auto plainPairs = pairs;
        auto plainWeights = weights;
        PlainSelectionSort(plainPairs, plainWeights);
        SortByWeight(pairs.data(), weights.data(), count, positions);
        ASSERT_EQ(pairs, plainPairs) << "trial " << trial;
        ASSERT_EQ(weights, plainWeights);
    }
}

TEST(SortByWeight, EqualWeightsAreReorderedByTheSwaps) {
    std::vector<PlayerPair> pairs = {{}, {1, 2}, {1, 3}, {1, 4}, {2, 3}};
    std::vector<uint8_t> weights = {0, 2, 2, 9, 2};
    std::vector<int32_t> positions;
    SortByWeight(pairs.data(), weights.data(), 4, positions);
    // (1,4) comes first and (1,2) goes to its place, behind (1,3).
    EXPECT_EQ(pairs, (std::vector<PlayerPair>{{}, {1, 4}, {1, 3}, {1, 2}, {2, 3}}));
}
