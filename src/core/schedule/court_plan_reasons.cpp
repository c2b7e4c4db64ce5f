#include "core/schedule/court_plan_reasons.h"

namespace {

std::string N(int n) {
    return std::to_string(n);
}

std::string CourtsText(int c) {
    return N(c) + (c == 1 ? " baan" : " banen");
}

std::string RoundsText(int n, const char* one, const char* many) {
    return N(n) + " " + (n == 1 ? one : many);
}

// "Heren: 14 spelers ..." -> "14 spelers ...": the round's own reason without its group.
std::string WithoutGroup(const std::string& reason) {
    const auto colon = reason.find(": ");
    return colon == std::string::npos ? reason : reason.substr(colon + 2);
}

} // namespace

std::vector<std::string> ExplainNoPlan(const NoPlanFacts& f) {
    std::vector<std::string> lines;
    if (f.Courts <= 0) {
        lines.push_back("Er zijn geen banen om op te spelen.");
    } else if (f.ShortRound > 0) {
        const std::string& group = f.GroupNames[f.ShortGroup];
        if (f.ShortAvailable == f.ShortPlayers)
            lines.push_back("Met " + N(f.ShortPlayers) + " " + group +
                            " is geen dubbel te spelen: daar zijn er 4 voor nodig.");
        else
            lines.push_back("In ronde " + N(f.ShortRound) + " kunnen maar " + N(f.ShortAvailable) +
                            " van de " + N(f.ShortPlayers) + " " + group +
                            " spelen (de anderen pauzeren, komen later of zijn al weg); een "
                            "dubbel vraagt er 4.");
    } else if (f.OneCourtForTwoGroups) {
        lines.push_back("Met 1 baan kunnen de " + f.GroupNames[0] + " en de " + f.GroupNames[1] +
                        " niet allebei in elke dubbelronde spelen.");
    } else if (f.CrowdRound > 0) {
        const int players = f.CrowdPlayers[0] + f.CrowdPlayers[1];
        const int places = 4 * f.Courts;
        if (players > 2 * places) {
            lines.push_back("Met " + N(players) + " spelers op " + CourtsText(f.Courts) +
                            " spelen er per ronde hoogstens " + N(places) + " en zitten er " +
                            N(players - places) +
                            " uit; wie uitzit moet de volgende ronde spelen, maar daar zijn maar " +
                            N(places) + " plaatsen, dus kan niet iedereen die uitzat in ronde " +
                            N(f.CrowdRound) + " spelen.");
        } else {
            std::string need;
            for (int g = 0; g < 2; ++g) {
                if (f.CrowdPlayers[g] == 0) continue;
                if (!need.empty()) need += " en ";
                need += "de " + N(f.CrowdPlayers[g]) + " " + f.GroupNames[g] + " minstens " +
                        CourtsText((f.CrowdPlayers[g] + 3) / 4);
            }
            lines.push_back("Wie uitzit moet de volgende ronde spelen, dus iedereen speelt in "
                            "ronde " +
                            N(f.CrowdRound - 1) + " of " + N(f.CrowdRound) + ": daarvoor hebben " +
                            need + " nodig over die twee ronden, meer dan de 2 x " +
                            CourtsText(f.Courts) + " die er zijn.");
        }
    } else if (f.MixedShortRound > 0) {
        lines.push_back("In ronde " + N(f.MixedShortRound) + " kunnen maar " +
                        N(f.MixedShortAvailable) + " " + f.GroupNames[f.MixedShortGroup] +
                        " spelen; een gemengde baan vraagt 2 heren en 2 dames.");
    } else if (f.MixedCrowdRound > 0) {
        const std::string& group = f.GroupNames[f.MixedCrowdGroup];
        lines.push_back("In een gemengde ronde spelen 2 " + group + " per baan. Van de " +
                        N(f.MixedCrowdPlayers) + " " + group + " moet iedereen in ronde " +
                        N(f.MixedCrowdRound - 1) + " of " + N(f.MixedCrowdRound) +
                        " spelen (wie uitzit speelt de volgende ronde), maar die twee ronden "
                        "hebben samen hoogstens " +
                        N(f.MixedCrowdPlaces) + " plaatsen voor hen.");
    } else if (f.StuckRound > 0) {
        std::string line = "Geen indeling van de banen gevonden waarmee elke ronde lukt: verder "
                           "dan ronde " +
                           N(f.StuckRound) + " komt geen enkele indeling";
        if (!f.StuckReason.empty()) line += " (" + WithoutGroup(f.StuckReason) + ")";
        line += ".";
        lines.push_back(line);
        if (f.BudgetSpent)
            lines.push_back("Het zoeken is na " + N(f.Trials) +
                            " proefberekeningen gestopt; een indeling die meer probeert, kan "
                            "er nog zijn.");
        else if (f.LimitStops > 0)
            lines.push_back(
                N(f.LimitStops) +
                (f.LimitStops == 1 ? " proefberekening is" : " proefberekeningen zijn") +
                " afgebroken omdat een ronde te lang zocht; met die banen kan het "
                "misschien toch.");
    } else {
        lines.push_back("Geen indeling van de banen gevonden waarmee elke ronde lukt.");
    }

    std::vector<std::string> works;
    if (f.WorksWithCourts > 0) works.push_back("met " + CourtsText(f.WorksWithCourts));
    if (f.WorksWithDoubles >= 0)
        works.push_back(f.WorksWithDoubles == 0
                            ? std::string("zonder dubbelronden")
                            : "met " +
                                  RoundsText(f.WorksWithDoubles, "dubbelronde", "dubbelronden"));
    if (f.WorksWithMixed >= 0)
        works.push_back(
            f.WorksWithMixed == 0
                ? std::string("zonder gemengde ronden")
                : "met " + RoundsText(f.WorksWithMixed, "gemengde ronde", "gemengde ronden"));
    if (works.empty()) {
        lines.push_back("Ook met meer banen of minder ronden is geen passende indeling gevonden.");
    } else {
        std::string line = "Wel mogelijk: ";
        for (std::size_t i = 0; i < works.size(); ++i) {
            if (i > 0) line += i + 1 == works.size() ? " of " : ", ";
            line += works[i];
        }
        line += " (en voor de rest dezelfde opzet).";
        lines.push_back(line);
    }
    return lines;
}
