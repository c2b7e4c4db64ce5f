#pragma once
// Why no court plan works, in the organiser's words, and what would work instead: from the
// numbers of players who can play in each round, and from where the search for a plan got
// stuck.

#include <string>
#include <vector>

struct NoPlanFacts {
    int Courts = 0;
    int Doubles = 0, Mixed = 0;
    std::string GroupNames[2]; // "heren", "dames" (or "groep A")

    // A doubles round in which a group has players but fewer than 4 can play.
    int ShortRound = 0, ShortGroup = 0, ShortAvailable = 0, ShortPlayers = 0;
    // Both groups play doubles but there is one court: they cannot both play in one round.
    bool OneCourtForTwoGroups = false;
    // Two doubles rounds in a row: whoever sits out round r-1 must play round r, but the
    // players of round r need more courts over the two rounds than there are.
    int CrowdRound = 0;
    int CrowdPlayers[2] = {0, 0}; // who can play round r and must play round r-1 or r
    // A mixed round whose smaller group has fewer than 2 players who can play.
    int MixedShortRound = 0, MixedShortGroup = 0, MixedShortAvailable = 0;
    // A mixed round whose smaller group cannot all play in it and the round before.
    int MixedCrowdRound = 0, MixedCrowdGroup = 0, MixedCrowdPlayers = 0, MixedCrowdPlaces = 0;

    // Where the search got stuck (when the counts alone do not explain it).
    int StuckRound = 0;
    std::string StuckReason; // the failed round's own reason, "Heren: ..."
    bool BudgetSpent = false;
    int Trials = 0;
    int LimitStops = 0; // trial runs stopped by their candidate limit

    // What would work: the fewest courts, the most doubles and mixed rounds with which a plan
    // was found (-1: none found).
    int WorksWithCourts = -1;
    int WorksWithDoubles = -1;
    int WorksWithMixed = -1;
};

// One line per reason, then the lines on what would work.
std::vector<std::string> ExplainNoPlan(const NoPlanFacts& facts);
