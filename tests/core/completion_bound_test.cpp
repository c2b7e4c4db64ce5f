// The bounds of a mixed round on small hand-made rounds where only the order of the list and
// who may face whom rule the round out: every man and every woman must play, and the list
// leaves one way to take them.

#include "core/schedule/completion_bound.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

namespace {

// Men are ids 1..4, women 5..8. A man may not face a woman he met before, given as (man, woman).
class MetBefore final : public CourtRule {
public:
    MetBefore(std::initializer_list<std::pair<int, int>> met)
        : Met(met) {}
    bool MayFace(BoundEdge x, BoundEdge y) const override {
        return Met.count({x.A, y.B}) == 0 && Met.count({y.A, x.B}) == 0;
    }
    bool SidesMayFace(int, int) const override { return true; }

private:
    std::set<std::pair<int, int>> Met;
};

struct Round {
    explicit Round(bool rules) {
        Bound.Start(8, true, rules, 1);
        for (int id = 1; id <= 8; ++id) Bound.AddPlayer(id, id <= 4 ? 0 : 1, 0, false, false);
    }
    // The pairs after the cursor; `taken` pairs are in the selection already.
    BoundVerdict Check(const std::vector<BoundEdge>& edges, const std::vector<BoundEdge>& taken,
                       const CourtRule* rule, BoundEdge pending = {}) {
        uint8_t used[CompletionBound::MaxIds + 1] = {};
        for (BoundEdge e : taken) used[e.A] = used[e.B] = 1;
        return Bound.Check(used, edges.data(), static_cast<int>(edges.size()),
                           4 - static_cast<int>(taken.size()), rule, pending);
    }
    CompletionBound Bound;
};

TEST(CompletionBound, SeesWhoMayFaceWhomOnTheOnlyCourtsTheListAllows) {
    // In list order the courts can only be (1,5)-(2,6) and (3,7)-(4,8).
    const std::vector<BoundEdge> list = {{1, 5}, {2, 6}, {3, 7}, {4, 8}};
    const MetBefore none{};
    const MetBefore firstCourt{{1, 6}};
    const MetBefore lastCourt{{4, 7}};
    for (bool rules : {true, false}) {
        SCOPED_TRACE(rules ? "must-play and balance apply" : "group against group");
        EXPECT_EQ(Round(rules).Check(list, {}, &none), BoundVerdict::Possible);
        EXPECT_NE(Round(rules).Check(list, {}, &firstCourt), BoundVerdict::Possible);
        EXPECT_NE(Round(rules).Check(list, {}, &lastCourt), BoundVerdict::Possible);
        // The same pairs in another order give other courts.
        const std::vector<BoundEdge> other = {{1, 5}, {3, 7}, {2, 6}, {4, 8}};
        EXPECT_EQ(Round(rules).Check(other, {}, &firstCourt), BoundVerdict::Possible);
    }
}

TEST(CompletionBound, TheHalfFilledCourtFacesTheNextPair) {
    // (1,5) is selected; the next pair, (2,6), faces it.
    const std::vector<BoundEdge> rest = {{2, 6}, {3, 7}, {4, 8}};
    const MetBefore none{};
    const MetBefore met{{2, 5}};
    EXPECT_EQ(Round(true).Check(rest, {{1, 5}}, &none, {1, 5}), BoundVerdict::Possible);
    EXPECT_NE(Round(true).Check(rest, {{1, 5}}, &met, {1, 5}), BoundVerdict::Possible);
    // Without the court rule nothing is restricted.
    EXPECT_EQ(Round(true).Check(rest, {{1, 5}}, nullptr, {1, 5}), BoundVerdict::Possible);
}

} // namespace
