#include "core/schedule/completion_bound.h"

#include <algorithm>

void CompletionBound::Start(int ids, bool twoSides, bool rules, int round) {
    Ids = std::min(ids, MaxIds);
    TwoSides = twoSides;
    Rules = rules;
    Round = round;
    Count = 0;
    Stranded = 0;
    Courts.StartRound();
}

void CompletionBound::AddPlayer(int id, int side, int games, bool limited, bool mustPlay) {
    if (id < 1 || id > Ids || Count >= MaxIds) return;
    Players[++Count] = {static_cast<uint16_t>(id), static_cast<uint8_t>(side),
                        static_cast<uint8_t>(games), limited, mustPlay};
    SideOf[id] = static_cast<uint8_t>(side);
}

int CompletionBound::Find(int id) {
    while (Parent[id] != id) {
        Parent[id] = Parent[Parent[id]];
        id = Parent[id];
    }
    return id;
}

BoundVerdict CompletionBound::Check(const uint8_t* used, const BoundEdge* edges, int edgeCount,
                                    int pairsLeft, const CourtRule* rule, BoundEdge pending) {
    Stranded = 0;
    Rule = rule;
    Pending = rule != nullptr ? pending : BoundEdge{};
    Courts.ForgetStates();
    if (pairsLeft <= 0) return BoundVerdict::Possible; // the selection is full: the test decides
    for (int i = 1; i <= Count; ++i) {
        Touched[Players[i].Id] = 0;
        Forbidden[Players[i].Id] = 0;
        Forced[Players[i].Id] = 0;
    }
    for (int e = 0; e < edgeCount; ++e) Touched[edges[e].A] = Touched[edges[e].B] = 1;

    // Every pair still to select joins two free players who share a pair after the cursor
    // (the search below this point never goes back before it). Fewer such players than the
    // places left (of either side, in a mixed round) cannot fill the courts.
    int free0 = 0, free1 = 0;
    for (int i = 1; i <= Count; ++i) {
        const Player& p = Players[i];
        if (used[p.Id] == 0 && Touched[p.Id] != 0) ++(p.Side == 0 ? free0 : free1);
    }
    Free[0] = free0;
    Free[1] = free1;
    Capacity = 0;
    if (TwoSides ? (free0 < pairsLeft || free1 < pairsLeft) : free0 < 2 * pairsLeft)
        return BoundVerdict::TooFewPlayers;

    if (Rules) {
        // A player who must play and is not selected yet can only come in through a pair after
        // the cursor with a free partner; without one the must-play test fails for every
        // completion. Each pair still to select takes at most two of them (one in a mixed
        // round, where the must-play players are all of one group).
        int mustLeft = 0;
        for (int i = 1; i <= Count; ++i) {
            const Player& p = Players[i];
            if (!p.Must || used[p.Id] != 0) continue;
            if (Touched[p.Id] == 0) {
                Stranded = p.Id;
                return BoundVerdict::Stranded;
            }
            ++mustLeft;
        }
        if (mustLeft > (TwoSides ? pairsLeft : 2 * pairsLeft)) return BoundVerdict::TooManyMustPlay;
    }

    // The pairs still to select are disjoint pairs of the graph of pairs left among the free
    // players. Inside one connected part of k players there are at most k / 2 disjoint pairs
    // (in a mixed round at most the smaller of its men and its women), so the parts together
    // bound every completion.
    const bool fit = ComponentsFit(edges, edgeCount, pairsLeft);
    Capacity = LastCapacity;
    if (!fit) return BoundVerdict::TooFewPairs;
    if (!Rules) {
        // No player must play: only the places and the courts in list order can rule out.
        if (Finer && !FinerFit(edges, edgeCount, pairsLeft)) return BoundVerdict::TooFewPairs;
        return BoundVerdict::Possible;
    }

    // The balance test passes with lo = w for some w in 0..round (lo is the least of the
    // non-limited players' games, capped at the round number): then every non-limited player
    // ends with at least w games and every player with at most w + 1. A side's possible w lie
    // between the highest least end minus one and the lowest most end of its non-limited
    // players: at most three values. A side without non-limited players has no lower limit, and
    // the highest w is the weakest limit of all.
    int from[2] = {0, 0}, to[2] = {Round, Round};
    bool bounded[2] = {false, false};
    int highestLeast[2] = {0, 0};
    for (int i = 1; i <= Count; ++i) {
        const Player& p = Players[i];
        const bool selected = used[p.Id] != 0;
        const int least = selected ? p.Games + 1 : p.Games;
        const int most = selected || Touched[p.Id] != 0 ? p.Games + 1 : p.Games;
        highestLeast[p.Side] = std::max(highestLeast[p.Side], least);
        if (!p.Limited) {
            to[p.Side] = std::min(to[p.Side], most);
            bounded[p.Side] = true;
        }
    }
    for (int s = 0; s < 2; ++s) {
        from[s] = std::max(0, highestLeast[s] - 1);
        if (!bounded[s]) from[s] = to[s];
    }
    if (!TwoSides) from[1] = to[1] = 0;
    for (int w0 = from[0]; w0 <= to[0]; ++w0)
        for (int w1 = from[1]; w1 <= to[1]; ++w1)
            if (WindowsFit(used, edges, edgeCount, pairsLeft, w0, w1))
                return BoundVerdict::Possible;
    return BoundVerdict::Balance;
}

// With lo = w for each side: a player's possible ends are his games (not selected) and one
// more (selected, only when he is already in or has a pair left with a free partner). A player
// with one possible end is forced in or kept out; one with none rules the window out. The
// completion then is a set of disjoint pairs among the players not kept out that covers every
// forced player: in each connected part it covers at most the part's pairs' worth of players,
// and needs at least half its forced players' worth of pairs (in a mixed round as many pairs
// as the larger of its forced men and forced women).
bool CompletionBound::WindowsFit(const uint8_t* used, const BoundEdge* edges, int edgeCount,
                                 int pairsLeft, int window0, int window1) {
    const int window[2] = {window0, window1};
    auto allowed = [&](const Player& p, int end) {
        const int w = window[p.Side];
        return end <= w + 1 && (p.Limited || end >= w);
    };
    for (int i = 1; i <= Count; ++i) {
        const Player& p = Players[i];
        Forbidden[p.Id] = Forced[p.Id] = 0;
        if (used[p.Id] != 0) {
            if (!allowed(p, p.Games + 1)) return false;
            continue;
        }
        const bool stay = !p.Must && allowed(p, p.Games);
        const bool play = Touched[p.Id] != 0 && allowed(p, p.Games + 1);
        if (!stay && !play) return false;
        if (!stay) Forced[p.Id] = 1;
        if (!play) Forbidden[p.Id] = 1;
    }
    if (!Finer) return ComponentsFit(edges, edgeCount, pairsLeft);
    return FinerFit(edges, edgeCount, pairsLeft);
}

// The places each side fills, the players the pairs left must take, the parts of the graph
// and the courts in list order, with the players forced in and kept out as they stand.
bool CompletionBound::FinerFit(const BoundEdge* edges, int edgeCount, int pairsLeft) {
    if (!PlacesFit(edges, edgeCount, pairsLeft)) return false;
    if (TwoSides) {
        Required.clear();
        for (int i = 1; i <= Count; ++i)
            if (Forced[Players[i].Id] != 0) Required.push_back(Players[i].Id);
        if (!CoverFits(edges, edgeCount, pairsLeft, Required)) return false;
    }
    return ComponentsFit(edges, edgeCount, pairsLeft) && TailsFit(edges, edgeCount, pairsLeft);
}

// Whether `pairs` disjoint pairs among the usable ones can take every required player. A pair
// takes at most one required man and one required woman, so it needs at least the required
// players less the most disjoint pairs of a required man and a required woman; and the required
// men (women) must each have a partner of their own.
bool CompletionBound::CoverFits(const BoundEdge* edges, int edgeCount, int pairs,
                                const std::vector<int>& players) {
    int required[2] = {0, 0};
    for (int id : players) ++required[SideOf[id]];
    if (required[0] + required[1] <= pairs) return true;
    const int mark = ++RequiredStamp;
    for (int id : players) RequiredMark[id] = mark;
    auto usable = [&](const BoundEdge& e) { return Forbidden[e.A] == 0 && Forbidden[e.B] == 0; };
    auto isRequired = [&](int id) { return RequiredMark[id] == mark; };
    // side 0: men with every usable woman; side 1: women with every usable man; 2: required men
    // with required women.
    if (Adjacent.size() < static_cast<size_t>(Ids) + 1)
        Adjacent.resize(static_cast<size_t>(Ids) + 1);
    for (int kind = 0; kind < 3; ++kind) {
        for (int id : players) Adjacent[static_cast<size_t>(id)].clear();
        for (int e = 0; e < edgeCount; ++e) {
            if (!usable(edges[e])) continue;
            const int a = edges[e].A, b = edges[e].B;
            if (kind == 0 && isRequired(a)) Adjacent[static_cast<size_t>(a)].push_back(b);
            if (kind == 1 && isRequired(b)) Adjacent[static_cast<size_t>(b)].push_back(a);
            if (kind == 2 && isRequired(a) && isRequired(b))
                Adjacent[static_cast<size_t>(a)].push_back(b);
        }
        MatchedTo.assign(static_cast<size_t>(Ids) + 1, 0);
        int matched = 0;
        for (int id : players) {
            if (SideOf[id] != (kind == 1 ? 1 : 0)) continue;
            ++StampCount;
            if (Augment(id)) ++matched;
        }
        if (kind < 2 && matched < required[kind]) return false;
        if (kind == 2 && required[0] + required[1] - matched > pairs) return false;
    }
    return true;
}

// One augmenting path from `from` in the current adjacency (Kuhn's method).
bool CompletionBound::Augment(int from) {
    for (int to : Adjacent[static_cast<size_t>(from)]) {
        if (Tried[to] == StampCount) continue;
        Tried[to] = StampCount;
        const int holder = MatchedTo[static_cast<size_t>(to)];
        if (holder == 0 || Augment(holder)) {
            MatchedTo[static_cast<size_t>(to)] = from;
            return true;
        }
    }
    return false;
}

// Each side fills exactly its places (a pair each in a mixed round, two players a pair in a
// doubles round): when its forced players fill them, the others stay out; when its players who
// can still come in are just enough, all of them are forced. Keeping a player out can leave
// another without a partner, so this repeats until nothing changes.
bool CompletionBound::PlacesFit(const BoundEdge* edges, int edgeCount, int pairsLeft) {
    const int places = TwoSides ? pairsLeft : 2 * pairsLeft;
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 1; i <= Count; ++i) Selectable[Players[i].Id] = 0;
        for (int e = 0; e < edgeCount; ++e)
            if (Forbidden[edges[e].A] == 0 && Forbidden[edges[e].B] == 0)
                Selectable[edges[e].A] = Selectable[edges[e].B] = 1;
        int forced[2] = {0, 0}, open[2] = {0, 0};
        for (int i = 1; i <= Count; ++i) {
            const int id = Players[i].Id;
            if (Forced[id] != 0 && Selectable[id] == 0) return false;
            forced[Players[i].Side] += Forced[id];
            open[Players[i].Side] += Selectable[id];
        }
        for (int side = 0; side < (TwoSides ? 2 : 1); ++side) {
            if (forced[side] > places || open[side] < places) return false;
            if (forced[side] == places && open[side] > places) {
                for (int i = 1; i <= Count; ++i) {
                    const int id = Players[i].Id;
                    if (Players[i].Side == side && Selectable[id] != 0 && Forced[id] == 0) {
                        Forbidden[id] = 1;
                        changed = true;
                    }
                }
            } else if (open[side] == places && forced[side] < places) {
                for (int i = 1; i <= Count; ++i) {
                    const int id = Players[i].Id;
                    if (Players[i].Side == side && Selectable[id] != 0) Forced[id] = 1;
                }
            }
        }
    }
    return true;
}

// The search takes pairs in list order, so the pairs a completion takes from some point t of
// the list on are its last s pairs. s is at least the forced men or women (players) whose pairs
// all lie after t, and at least the pairs left minus what the players of the pairs before t can
// hold; it is at most what the players of the pairs from t on can hold. The selection ends on
// the second pair of a court, so when s is even the pairs from t on are s / 2 whole courts.
bool CompletionBound::TailsFit(const BoundEdge* edges, int edgeCount, int pairsLeft) {
    auto usable = [&](const BoundEdge& e) { return Forbidden[e.A] == 0 && Forbidden[e.B] == 0; };
    const size_t n = static_cast<size_t>(edgeCount) + 1;
    for (auto* v : {&Before0, &Before1, &After0, &After1, &ForcedAfter0, &ForcedAfter1})
        v->assign(n, 0);
    for (int i = 1; i <= Count; ++i) {
        FirstEdge[Players[i].Id] = edgeCount;
        SeenInTail[Players[i].Id] = 0;
    }
    int seen[2] = {0, 0};
    for (int e = 0; e < edgeCount; ++e) {
        if (usable(edges[e]))
            for (int id : {static_cast<int>(edges[e].A), static_cast<int>(edges[e].B)})
                if (FirstEdge[id] == edgeCount) {
                    FirstEdge[id] = e;
                    ++seen[SideOf[id]];
                }
        Before0[static_cast<size_t>(e) + 1] = seen[0];
        Before1[static_cast<size_t>(e) + 1] = seen[1];
    }
    for (int i = 1; i <= Count; ++i) {
        const int id = Players[i].Id;
        if (Forced[id] == 0) continue;
        auto& forcedAfter = Players[i].Side == 0 ? ForcedAfter0 : ForcedAfter1;
        ++forcedAfter[static_cast<size_t>(FirstEdge[id])];
    }
    seen[0] = seen[1] = 0;
    for (int e = edgeCount - 1; e >= 0; --e) {
        const size_t t = static_cast<size_t>(e);
        ForcedAfter0[t] += ForcedAfter0[t + 1];
        ForcedAfter1[t] += ForcedAfter1[t + 1];
        if (usable(edges[e]))
            for (int id : {static_cast<int>(edges[e].A), static_cast<int>(edges[e].B)})
                if (SeenInTail[id] == 0) {
                    SeenInTail[id] = 1;
                    ++seen[SideOf[id]];
                }
        After0[t] = seen[0];
        After1[t] = seen[1];
    }

    // A player forced in who still has a pair from t on may come in there; the others of a side
    // share what its forced players leave of its places.
    const int places = TwoSides ? pairsLeft : 2 * pairsLeft;
    int forcedTotal[2] = {0, 0};
    LastEdge.assign(static_cast<size_t>(Ids) + 1, -1);
    for (int e = 0; e < edgeCount; ++e)
        if (usable(edges[e])) LastEdge[edges[e].A] = LastEdge[edges[e].B] = e;
    TouchAfter0.assign(n, 0);
    TouchAfter1.assign(n, 0);
    for (int i = 1; i <= Count; ++i) {
        const int id = Players[i].Id;
        if (Forced[id] == 0) continue;
        ++forcedTotal[Players[i].Side];
        if (LastEdge[static_cast<size_t>(id)] >= 0)
            ++(Players[i].Side == 0
                   ? TouchAfter0
                   : TouchAfter1)[static_cast<size_t>(LastEdge[static_cast<size_t>(id)])];
    }
    for (int e = edgeCount - 1; e >= 0; --e) {
        TouchAfter0[static_cast<size_t>(e)] += TouchAfter0[static_cast<size_t>(e) + 1];
        TouchAfter1[static_cast<size_t>(e)] += TouchAfter1[static_cast<size_t>(e) + 1];
    }

    // Court boundaries: points where the pairs taken from there on are known exactly and are
    // whole courts. Between two of them lie whole courts too, in list order.
    int lastBoundary = -1, lastCount = 0;
    for (int e = 0; e <= edgeCount; ++e) {
        const size_t t = static_cast<size_t>(e);
        int least, most;
        if (e == edgeCount) {
            least = most = 0;
        } else if (TwoSides) {
            least = std::max(
                {ForcedAfter0[t], ForcedAfter1[t], pairsLeft - std::min(Before0[t], Before1[t])});
            most =
                std::min({pairsLeft, After0[t], After1[t], TouchAfter0[t] + places - forcedTotal[0],
                          TouchAfter1[t] + places - forcedTotal[1]});
        } else {
            least = std::max((ForcedAfter0[t] + 1) / 2, pairsLeft - Before0[t] / 2);
            most = std::min(
                {pairsLeft, After0[t] / 2, (TouchAfter0[t] + places - forcedTotal[0]) / 2});
        }
        if (least > most) return false;
        // With a half-filled court the cursor is a boundary of the courts after it.
        const int parity = e == 0 && Pending.A != 0 ? 1 : 0;
        if (Rule == nullptr || least != most || least % 2 != parity) continue;
        if (e == 0 && least != pairsLeft) continue;
        if (lastBoundary >= 0 && lastCount > least &&
            !CourtsFit(edges, lastBoundary, e, lastCount - least))
            return false;
        lastBoundary = e;
        lastCount = least;
    }
    return true;
}

// Whether the pairs from..to - 1 can hold `pairs` pairs as whole courts, in list order, taking
// every forced player whose pairs all lie there.
bool CompletionBound::CourtsFit(const BoundEdge* edges, int from, int to, int pairs) {
    Segment.clear();
    Required.clear();
    if (from == 0 && Pending.A != 0) {
        // The half-filled court comes first: its pair is taken, the next one faces it.
        Segment.push_back(Pending);
        Required.push_back(Pending.A);
        Required.push_back(Pending.B);
        ++pairs;
    }
    for (int e = from; e < to; ++e)
        if (Forbidden[edges[e].A] == 0 && Forbidden[edges[e].B] == 0) Segment.push_back(edges[e]);
    if (static_cast<int>(Segment.size()) < pairs) return false;
    for (int i = 1; i <= Count; ++i) {
        const int id = Players[i].Id;
        if (Forced[id] != 0 && FirstEdge[id] >= from && LastEdge[static_cast<size_t>(id)] < to)
            Required.push_back(id);
    }
    for (int id : Required) Taken[id] = 0;
    if (TwoSides && !CoverFits(Segment.data(), static_cast<int>(Segment.size()), pairs, Required))
        return false;
    for (const BoundEdge& e : Segment) Taken[e.A] = Taken[e.B] = 0;
    // First each side alone: its players in list order, two by two on a court, may not have
    // faced each other. Whatever holds for the pairs holds for these sequences.
    if (!TwoSides) return true;
    for (int side = 0; side < 2; ++side) {
        Nodes = 0;
        if (SideFits(side, 0, pairs, 0) == 0) return false; // -1: gave up
    }
    return Courts.Fits(Segment, Required, pairs, SideOf.data(), Ids, *Rule);
}

// The players of one side that the segment's pairs take, in list order. A player taken at his
// first place from `at` on leaves every choice a later place would: only that place is tried.
int CompletionBound::SideFits(int side, size_t at, int left, int open) {
    if (left == 0) {
        for (int id : Required)
            if (SideOf[id] == side && Taken[id] == 0) return 0;
        return 1;
    }
    if (++Nodes > MaxSegmentNodes) return -1;
    int missing = 0;
    for (int id : Required) missing += SideOf[id] == side && Taken[id] == 0 ? 1 : 0;
    if (missing > left) return 0;
    const int stamp = ++StampCount;
    int result = 0;
    for (size_t i = at; i + static_cast<size_t>(left) <= Segment.size(); ++i) {
        const int id = side == 0 ? Segment[i].A : Segment[i].B;
        if (Taken[id] != 0 || Tried[id] == stamp) continue;
        Tried[id] = stamp;
        if (open != 0 && !Rule->SidesMayFace(open, id)) continue;
        Taken[id] = 1;
        const int r = SideFits(side, i + 1, left - 1, open == 0 ? id : 0);
        Taken[id] = 0;
        if (r == 1) return 1;
        if (r < 0) result = -1;
    }
    return result;
}

bool CompletionBound::ComponentsFit(const BoundEdge* edges, int edgeCount, int pairsLeft) {
    for (int i = 1; i <= Count; ++i) {
        const int id = Players[i].Id;
        Parent[id] = static_cast<uint16_t>(id);
        Size0[id] = Size1[id] = Forced0[id] = Forced1[id] = 0;
    }
    for (int e = 0; e < edgeCount; ++e) {
        const int a = edges[e].A, b = edges[e].B;
        if (Forbidden[a] != 0 || Forbidden[b] != 0) continue;
        const int ra = Find(a), rb = Find(b);
        if (ra != rb) Parent[ra] = static_cast<uint16_t>(rb);
    }
    for (int i = 1; i <= Count; ++i) {
        const Player& p = Players[i];
        if (Forbidden[p.Id] != 0 || Touched[p.Id] == 0) {
            // Not selectable from here on; a forced player never is untouched.
            continue;
        }
        const int r = Find(p.Id);
        if (p.Side == 0) {
            ++Size0[r];
            Forced0[r] = static_cast<uint16_t>(Forced0[r] + Forced[p.Id]);
        } else {
            ++Size1[r];
            Forced1[r] = static_cast<uint16_t>(Forced1[r] + Forced[p.Id]);
        }
    }
    int capacity = 0, needed = 0;
    for (int i = 1; i <= Count; ++i) {
        const int id = Players[i].Id;
        if (Parent[id] != id || Forbidden[id] != 0 || Touched[id] == 0) continue;
        const int cap = TwoSides ? std::min(Size0[id], Size1[id]) : Size0[id] / 2;
        const int least = TwoSides ? std::max(Forced0[id], Forced1[id]) : (Forced0[id] + 1) / 2;
        capacity += cap;
        if (least > cap) {
            LastCapacity = capacity;
            return false;
        }
        needed += least;
    }
    LastCapacity = capacity;
    return capacity >= pairsLeft && needed <= pairsLeft;
}
