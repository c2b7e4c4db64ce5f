#pragma once
// The depth-first search of a round, shared by the doubles and the mixed rounds. The pairs of
// the filtered list are taken in order whenever the policy accepts them; a full selection that
// passes the policy's test ends the search; otherwise the last selected pair is dropped and the
// search goes on after it. The policy says what a selected pair blocks, what the test is, when
// too many players must play and whether that ends the round, and how low the selection may
// fall before the search gives up.
//
// Policy:
//   bool Accepts(int k, const PlayerPair* sel, PlayerPair q) const  q as pair k + 1
//   void Pick(PlayerPair q), void Drop(PlayerPair q)                 bookkeeping
//   bool Test()                       must-play and balance of the selection (k > 0)
//   bool TooFew() const               more players must play than the round has places
//   bool EndsAtTooFew() const         ... and the round ends with what it has
//   int Floor() const                 the search ends when k falls below this
//   int CursorAtEmpty(int cursor) const   the cursor after backtracking from no selection
//   BoundVerdict Verdict(int k, sel, list, cursor, length, uint64_t& work)
//                                     Possible unless no selection the test accepts can grow
//                                     from sel[1..k] with the pairs at cursor..length; sets work
//                                     to the pairs and players it looked at
//   std::array<uint64_t, 8>& CutCounts()   the parts skipped, by the verdict that skipped them
//   CompletionBound& Bounds()         the bounds the verdict asks
//   int KeyWords() const, void WriteKey(int k, const PlayerPair* sel, uint64_t* key) const
//                                     the key of the part selection sel[1..k] in the table of
//                                     dead ends: its players and, when k is odd, sel[k]

#include "core/schedule/candidate_poll.h"
#include "core/schedule/completion_bound.h"
#include "core/schedule/dead_ends.h"
#include "core/schedule/schedule_store.h"

#include <array>
#include <cstdint>

struct SearchOutcome {
    int Selected = 0; // pairs selected at the end; below 0 when every possibility was tried
    int Cursor = 1;   // the search cursor at the end
    bool Valid = false;
    bool TooFew = false;
    bool Stopped = false;
};

// Whether a selection the test accepts can still grow from sel[1..k]; a part of the search the
// bounds rule out is counted under the rule that ruled it out.
template <class Policy>
bool CanExtend(Policy& policy, int k, const PlayerPair* sel, const PlayerPair* list, int cursor,
               int length, uint64_t& work) {
    const BoundVerdict verdict = policy.Verdict(k, sel, list, cursor, length, work);
    if (verdict == BoundVerdict::Possible) return true;
    ++policy.CutCounts()[static_cast<int>(verdict)];
    return false;
}

// The verdict a reason for a failed round speaks of: the plain counts at the start of the round,
// without the finer tests that only steer the search.
template <class Policy>
BoundVerdict ReasonVerdict(Policy& policy, const PlayerPair* list, int length) {
    uint64_t work = 0;
    policy.Bounds().UseFinerTests(false);
    const BoundVerdict verdict = policy.Verdict(0, nullptr, list, 1, length, work);
    policy.Bounds().UseFinerTests(true);
    return verdict;
}

// The most part selections a round search remembers as dead ends.
constexpr int MaxDeadEnds = 1 << 19;

// The part selection sel[1..k], entered at the cursor, is dead when the table knows it or when
// the bounds rule it out; either way it is counted, and a bound's verdict is remembered.
template <class Policy>
bool IsOpen(Policy& policy, DeadEnds& dead, uint64_t* key, int k, const PlayerPair* sel,
            const PlayerPair* list, int cursor, int length, uint64_t& work) {
    policy.WriteKey(k, sel, key);
    if (dead.Fails(key, cursor)) {
        ++policy.CutCounts()[static_cast<int>(BoundVerdict::Known)];
        work = 1;
        return false;
    }
    if (CanExtend(policy, k, sel, list, cursor, length, work)) return true;
    dead.Add(key, cursor);
    return false;
}

template <class Policy>
SearchOutcome SearchRound(Policy& policy, const PlayerPair* list, int length, int need,
                          PlayerPair* sel, int32_t* pos, CandidatePoll& poll, uint64_t& candidates,
                          bool prune) {
    SearchOutcome out;
    int k = 0;
    int cursor = 1;
    bool valid = false;
    uint64_t count = candidates;
    uint64_t nextPoint = poll.NextPoint(count);
    // The first pass is always the literal one: the partial-round rules act where the search
    // first fails, and that is at the end of the first pass. From then on only the first
    // accepted selection in search order (or none) decides the round, and the bounds skip only
    // parts of the search that hold none.
    bool pruning = false;
    uint64_t work = 0;
    DeadEnds& dead = policy.Dead();
    dead.Start(policy.KeyWords(), MaxDeadEnds);
    uint64_t key[DeadEnds::MaxWords];
    for (;;) {
        bool open = true;
        if (pruning) {
            open = IsOpen(policy, dead, key, k, sel, list, cursor, length, work);
            if (poll.Work(work)) {
                out.Stopped = true;
                break;
            }
        }
        while (open && k < need && cursor <= length) {
            const PlayerPair q = list[cursor];
            bool picked = false;
            if (policy.Accepts(k, sel, q)) {
                ++k;
                sel[k] = q;
                pos[k] = cursor;
                policy.Pick(q);
                picked = true;
            }
            ++cursor;
            if (++count == nextPoint && poll.Slow(count, nextPoint)) {
                out.Stopped = true;
                break;
            }
            if (pruning && picked && k < need) {
                open = IsOpen(policy, dead, key, k, sel, list, cursor, length, work);
                if (poll.Work(work)) {
                    out.Stopped = true;
                    break;
                }
            }
        }
        if (out.Stopped) break;
        // With no pair selected the flag keeps its last value.
        if (k > 0) valid = policy.Test();
        if (k < need || !valid) {
            if (policy.TooFew()) {
                out.TooFew = true;
                if (policy.EndsAtTooFew()) break;
            }
            if (k > 0) {
                // Everything below sel[1..k], entered after pos[k], has been searched.
                cursor = pos[k] + 1;
                if (pruning) {
                    policy.WriteKey(k, sel, key);
                    dead.Add(key, cursor);
                }
                policy.Drop(sel[k]);
            } else {
                cursor = policy.CursorAtEmpty(cursor);
            }
            --k;
        }
        if (k == need || k < policy.Floor() || cursor < 0) {
            // The literal search leaves no selection only after its cursor has run past the
            // end of the list with nothing selected.
            if (pruning && k < 0) cursor = length + 1;
            break;
        }
        pruning = prune;
    }
    candidates = count;
    poll.Flush(count, out.Stopped);
    out.Selected = k;
    out.Cursor = cursor;
    out.Valid = valid;
    return out;
}

// The list for the next round: the parked pairs first when pauses are kept, then the filtered
// pairs that were not selected (positions pos[1..k], ascending), in their order.
template <class NextList>
void BuildNextPairList(NextList& next, const MixedPairList& parked, const MixedPairList& filtered,
                       const int32_t* pos, int k, bool keepParked) {
    next.Count = 0;
    if (keepParked)
        for (int i = 1; i <= parked.Count; ++i) next.Pairs[++next.Count] = parked.Pairs[i];
    int in = 1;
    for (int i = 1; i <= filtered.Count; ++i) {
        if (in <= k && pos[in] == i) {
            ++in;
            continue;
        }
        next.Pairs[++next.Count] = filtered.Pairs[i];
    }
}
