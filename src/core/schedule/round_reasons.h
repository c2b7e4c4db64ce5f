#pragma once
// Why a round found no selection, in the organiser's words: from the counts of the round and
// from what the bounds found at its start. The texts are Windows-1252, like every text the
// core shows; the outcome messages themselves stay as they are, this is an addition.

#include "core/schedule/completion_bound.h"
#include "core/schedule/schedule_store.h"

#include <string>
#include <vector>

// The group label without its blanks ("Heren", "Dames", "Mixed", "Groep A").
std::string GroupName(const ScheduleStore& store, int g);
// The text with its first letter in lower case, for a name inside a sentence ("heren").
std::string LowerFirst(std::string text);

// "Voornaam Achternaam" of player p of group g.
std::string PlayerName(const ScheduleStore& store, Group g, int p);

// What a round's search found, for the wording.
struct RoundFacts {
    int GroupIndex = 0; // 0, 1, 2
    int Courts = 0;
    bool Stopped = false;
    bool TooMany = false;  // fewer players than places
    int CanPlay = 0;       // players not absent (the too-many-courts count)
    int Absent = 0;        // absent or done playing
    bool TooFew = false;   // more must-play players than places
    int MustPlay = 0;      // of the group (mixed: the smaller group) whose list counted
    Group MustGroup = Men; // the group of that list
    BoundVerdict Verdict = BoundVerdict::Possible; // at the start of the search
    int Available[2] = {0, 0};                     // per side (doubles: side 0)
    int Pausing[2] = {0, 0};                       // sits out this round but keeps his pairs
    int WithPartner[2] = {0, 0};                   // available with a pair left
    int Capacity = 0;                // most pairs the remaining pairs can hold at once
    std::string Stranded;            // the must-play player without a partner
    int GamesLow = 0, GamesHigh = 0; // games so far of the available players
    std::string FirstPair;           // mixed: the pair the search cannot do without
};

std::string ExplainRound(const ScheduleStore& store, const RoundFacts& facts);

// The run's failed rounds as the set-up window lists them: one line per failed round, by round
// and then men, ladies, mixed: "Ronde 2, heren: ...". A round whose cause lies in what earlier
// rounds left, after an earlier round of its group failed (for a mixed round: any earlier
// round), says that it failed because of that round.
std::vector<std::string> RoundReasonLines(const ScheduleStore& store);
