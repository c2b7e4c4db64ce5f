#include "core/schedule/completion_bound.h"

#include <algorithm>

void CompletionBound::Start(int ids, bool twoSides, bool rules, int round) {
    Ids = std::min(ids, MaxIds);
    TwoSides = twoSides;
    Rules = rules;
    Round = round;
    Count = 0;
    Stranded = 0;
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
                                    int pairsLeft) {
    Stranded = 0;
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
    if (!Rules) return BoundVerdict::Possible;

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
    return ComponentsFit(edges, edgeCount, pairsLeft);
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
