#pragma once
// A plain model of who stands where in a computed schedule, for the hand-edit properties of the
// editor (core and window tests): the place of every player in every round, read from the round
// table by a scan of the group's places and changed only where a swap is expected. Also random
// nights of both kinds with court codes of every kind.

#include "core/reports/name_order.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"
#include "schedule_test_setup.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

struct PlayerSpot {
    int Court = 0; // 0: sits out
    int Slot = -1;
};

// The plain model: the place of every player of both groups in every round, read from the round
// table by a scan of the group's places, and changed only where a swap is expected.
struct PlaceModel {
    int Rounds = 0, Doubles = 0;
    std::array<int, 2> Count{};
    // [group][round][player]
    std::array<std::vector<std::vector<PlayerSpot>>, 2> Places;

    static bool GroupSlot(Group g, bool mixed, int s) {
        return !mixed || (s % 2 == 0) == (g == Men);
    }

    static std::pair<int, int> Span(const RoundRecord& rec, Group g, bool mixed) {
        if (mixed) return {rec.FirstMixed, rec.LastMixed};
        return g == Men ? std::pair{rec.FirstMen, rec.LastMen}
                        : std::pair{rec.FirstWomen, rec.LastWomen};
    }

    // Every place of player p in round r: more than one means he plays twice.
    static std::vector<PlayerSpot> Scan(const ScheduleStore& store, int doubles, Group g, int r,
                                        int p) {
        const RoundRecord& rec = store.RoundTable[r];
        const bool mixed = r > doubles;
        const auto [first, last] = Span(rec, g, mixed);
        std::vector<PlayerSpot> found;
        for (int c = std::max(first, 1); c <= std::min(last, MaxCourts); ++c)
            for (int s = 0; s < 4; ++s)
                if (GroupSlot(g, mixed, s) && rec.Courts[c][s] == p) found.push_back({c, s});
        return found;
    }

    explicit PlaceModel(const ScheduleStore& store) {
        Doubles = store.Params.NDubRonden;
        Rounds = Doubles + store.Params.NMixRonden;
        Count = {store.Params.NHeren, store.Params.NDames};
        for (Group g : {Men, Women}) {
            Places[g].assign(Rounds + 1, std::vector<PlayerSpot>(Count[g] + 1));
            for (int r = 1; r <= Rounds; ++r)
                for (int p = 1; p <= Count[g]; ++p) {
                    const std::vector<PlayerSpot> found = Scan(store, Doubles, g, r, p);
                    if (!found.empty()) Places[g][r][p] = found.front();
                }
        }
    }

    int Games(Group g, int p) const {
        int games = 0;
        for (int r = 1; r <= Rounds; ++r) games += Places[g][r][p].Court != 0;
        return games;
    }

    void Swap(Group g, int r, int a, int b) { std::swap(Places[g][r][a], Places[g][r][b]); }
};

// The store against the model: every player stands once where the model has him (or nowhere),
// his court-of-player entry says that court, and his play count is his number of rounds. Empty
// when all agree, else what differs first. (A run with a failed round may leave a half-filled
// court beyond the group's last court, whose players the play counts include: such a night
// disagrees before any edit and is not edited.)
inline std::string Mismatch(const ScheduleStore& store, const PlaceModel& model) {
    for (Group g : {Men, Women})
        for (int p = 1; p <= model.Count[g]; ++p) {
            const std::string who = "group " + std::to_string(g) + " player " + std::to_string(p);
            for (int r = 1; r <= model.Rounds; ++r) {
                const PlayerSpot expected = model.Places[g][r][p];
                const std::vector<PlayerSpot> found =
                    PlaceModel::Scan(store, model.Doubles, g, r, p);
                const std::string when = who + " round " + std::to_string(r);
                if (found.size() > 1) return when + " plays twice";
                const PlayerSpot actual = found.empty() ? PlayerSpot{} : found[0];
                if (actual.Court != expected.Court ||
                    (actual.Court != 0 && actual.Slot != expected.Slot))
                    return when + " on court " + std::to_string(actual.Court) + " slot " +
                           std::to_string(actual.Slot) + ", expected " +
                           std::to_string(expected.Court) + " slot " +
                           std::to_string(expected.Slot);
                if (store.Of(g).CourtOfPlayer[r].Court[p] != expected.Court)
                    return when + " has court-of-player " +
                           std::to_string(store.Of(g).CourtOfPlayer[r].Court[p]);
            }
            if (store.Of(g).PlayCount[p] != model.Games(g, p))
                return who + " has play count " + std::to_string(store.Of(g).PlayCount[p]) +
                       ", plays " + std::to_string(model.Games(g, p));
        }
    return {};
}

// Court codes of every kind for courts 1..32.
inline void RandomCourtCodes(AppState& state, std::mt19937& random) {
    auto& codes = state.Common.BaanCode;
    for (int k = 1; k <= 32; ++k) {
        switch (random() % 7) {
        case 0:
            codes[k] = 0;
            break;
        case 1:
            codes[k] = 100 + static_cast<int>(random() % 900);
            break;
        case 2:
            codes[k] = -static_cast<int>(random() % 120);
            break;
        case 3:
            codes[k] = codes[1 + random() % k]; // a code an earlier court has (or its own)
            break;
        case 4:
            codes[k] = 10 + static_cast<int>(random() % 90);
            break;
        default:
            codes[k] = k;
            break;
        }
    }
}

// Which kinds of code a swap's courts had: [0] code 0, [1] 100 or more, [2] shared with
// another court, [3] negative.
struct CodeKindCounts {
    std::array<int, 4> Seen{};
    void Add(const std::array<int32_t, 33>& codes, int court) {
        if (court == 0) return;
        const int32_t code = codes[court];
        Seen[0] += code == 0;
        Seen[1] += code >= 100;
        Seen[3] += code < 0;
        for (int k = 1; k <= 32; ++k)
            if (k != court && codes[k] == code) {
                ++Seen[2];
                break;
            }
    }
    int Least() const { return *std::min_element(Seen.begin(), Seen.end()); }
};

struct RandomNight {
    ScheduleSetup S;
    bool Ran = false;

    RandomNight(uint32_t seed, int kind) {
        std::mt19937 random(seed);
        int men = static_cast<int>(random() % 17), women = static_cast<int>(random() % 17);
        if (men < 4 && women < 4) men = 4 + static_cast<int>(random() % 8);
        const int doubles = static_cast<int>(random() % 5);
        const int mixed = men > 0 && women > 0 ? static_cast<int>(random() % 4) : 0;
        const int courts = 1 + static_cast<int>(random() % 6);
        const auto pairing = static_cast<uint16_t>(random() % 8);
        const auto pause = static_cast<uint16_t>(random() % 2 + 4 * (random() % 3));
        S.Ports.Messages.OnUnexpectedQuestion = [](const std::string&) {};
        S.State->Configuration.Config.CfgRec.NBanen = static_cast<int16_t>(courts);
        if (kind == ScheduleWithNames) {
            const char* codes[] = {"X", "X", "X", "X", "X2", "X3"};
            std::vector<std::pair<std::string, std::string>> members;
            for (int i = 0; i < men; ++i) members.push_back({"h", codes[random() % 6]});
            for (int i = 0; i < women; ++i) members.push_back({"d", codes[random() % 6]});
            S.Names(members, doubles + (doubles + mixed == 0), mixed, courts, pairing, pause);
        } else {
            S.Pairs(men, women, doubles + (doubles + mixed == 0), mixed, courts, pairing, pause);
        }
        RandomCourtCodes(*S.State, random);
        S.Start();
        Ran = !S.Store().RunBlocked && !S.Store().RunStopped;
    }
};

// The player of every editor grid row, worked out from the display order: row 0 the heading,
// then per group with players its heading and its players by name.
inline std::vector<std::pair<Group, int>> RowPlayers(const ScheduleStore& store, bool withNames) {
    std::vector<std::pair<Group, int>> rows;
    for (Group g : DisplayOrder(store.LadiesFirst)) {
        const int n = g == Men ? store.Params.NHeren : store.Params.NDames;
        if (n == 0) continue;
        rows.push_back({g, 0});
        const std::vector<int> order = NameOrder(store.Of(g).Names, n, withNames);
        for (int i = 1; i <= n; ++i) rows.push_back({g, order[i]});
    }
    return rows;
}
