#include "core/schedule/round_reasons.h"

#include <algorithm>

namespace {

std::string Trimmed(std::string_view text) {
    std::size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    std::size_t to = text.find_last_not_of(' ');
    return std::string(text.substr(from, to - from + 1));
}

std::string N(int n) {
    return std::to_string(n);
}

std::string Courts(int c) {
    return N(c) + (c == 1 ? " baan vraagt" : " banen vragen");
}

} // namespace

std::string GroupName(const ScheduleStore& store, int g) {
    return Trimmed(store.GroupLabel[g].View());
}

std::string PlayerName(const ScheduleStore& store, Group g, int p) {
    const TNaamRec& rec = store.Of(g).Names[p].NaamRec;
    std::string first = Trimmed(rec.Voornaam.View()), last = Trimmed(rec.AchterNaam.View());
    if (first.empty()) return last;
    if (last.empty()) return first;
    return first + " " + last;
}

std::string ExplainRound(const ScheduleStore& store, const RoundFacts& f) {
    const bool mixed = f.GroupIndex == 2;
    const std::string group = GroupName(store, f.GroupIndex) + ": ";
    const int perCourt = mixed ? 2 : 4; // places per court of one side
    // In a mixed round the counts are of one group: " van de Heren".
    auto ofSide = [&](int side) {
        return mixed ? " van de " + GroupName(store, side) : std::string();
    };

    if (f.Stopped) return group + "de berekening is gestopt voordat deze ronde klaar was.";
    if (f.Courts <= 0) return group + "deze ronde heeft geen banen.";
    if (f.TooMany)
        return group + "er kunnen maar " + N(f.CanPlay) + " spelers meedoen (" + N(f.Absent) +
               " afwezig of klaar met spelen); " + Courts(f.Courts) + " er " + N(4 * f.Courts) +
               ".";
    if (f.TooFew)
        return group + N(f.MustPlay) + " spelers" + ofSide(f.MustGroup) +
               " moeten spelen omdat ze de vorige ronde niet speelden, maar " + N(f.Courts) +
               (f.Courts == 1 ? " baan heeft" : " banen hebben") + " maar " +
               N(perCourt * f.Courts) + " plaatsen voor hen.";

    switch (f.Verdict) {
    case BoundVerdict::TooFewPlayers:
        for (int side = 0; side < (mixed ? 2 : 1); ++side) {
            const int places = perCourt * f.Courts;
            if (f.Available[side] < places)
                return group + "er zijn " + N(f.Available[side]) + " spelers" + ofSide(side) +
                       " beschikbaar (" + N(f.Pausing[side]) + " pauzeren of komen later); " +
                       Courts(f.Courts) + " er " + N(places) + ".";
            if (f.WithPartner[side] < places)
                return group + "maar " + N(f.WithPartner[side]) + " spelers" + ofSide(side) +
                       " hebben nog een partner met wie ze nog niet speelden; " + Courts(f.Courts) +
                       " er " + N(places) + ".";
        }
        break;
    case BoundVerdict::Stranded:
        return group + f.Stranded +
               " moet spelen (zat de vorige ronde uit), maar er is geen partner meer over met "
               "wie hij of zij nog niet speelde.";
    case BoundVerdict::TooManyMustPlay:
        return group + N(f.MustPlay) + " spelers" + ofSide(f.MustGroup) +
               " moeten spelen omdat ze de vorige ronde niet speelden; dat zijn er meer dan er "
               "plaatsen zijn.";
    case BoundVerdict::TooFewPairs:
        return group +
               "met de paren die nog over zijn (spelers die nog niet samen speelden) "
               "zijn hoogstens " +
               N(f.Capacity / 2) + " van de " + N(f.Courts) + " banen te vullen.";
    case BoundVerdict::Balance:
        return group + "met " + N(f.Courts) + (f.Courts == 1 ? " baan" : " banen") +
               " zou iemand twee wedstrijden meer krijgen dan een ander (de spelers hebben nu " +
               N(f.GamesLow) + " tot " + N(f.GamesHigh) + " wedstrijden gespeeld).";
    case BoundVerdict::Possible:
    case BoundVerdict::NoOpponent:
    case BoundVerdict::Known:
        break;
    }
    if (mixed && !f.FirstPair.empty())
        return group + "geen selectie met " + f.FirstPair +
               " als eerste paar voldoet aan alle regels.";
    return group + "geen selectie voldoet aan alle regels.";
}

namespace {

// "Heren: 14 spelers ..." -> "14 spelers ...", without the final full stop when asked.
std::string CauseOf(const ScheduleStore& store, const RoundReasonEntry& entry, bool stopless) {
    std::string text = entry.Text;
    const std::string prefix = GroupName(store, entry.Group) + ": ";
    if (text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
    if (stopless && !text.empty() && text.back() == '.') text.pop_back();
    return text;
}

} // namespace

std::string LowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] + 32);
    return text;
}

std::vector<std::string> RoundReasonLines(const ScheduleStore& store) {
    std::vector<const RoundReasonEntry*> entries;
    for (const RoundReasonEntry& entry : store.Reasons) entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RoundReasonEntry* a, const RoundReasonEntry* b) {
                         if (a->Round != b->Round) return a->Round < b->Round;
                         return a->Group < b->Group;
                     });
    std::vector<std::string> lines;
    for (const RoundReasonEntry* entry : entries) {
        // The latest earlier failed round this round builds on: the group's own doubles rounds;
        // for a mixed round every earlier round.
        int earlier = 0;
        for (const RoundReasonEntry& other : store.Reasons)
            if (other.Round < entry->Round && other.Round > earlier &&
                (entry->Group == 2 || other.Group == entry->Group))
                earlier = other.Round;
        std::string line =
            "Ronde " + N(entry->Round) + ", " + LowerFirst(GroupName(store, entry->Group)) + ": ";
        if (entry->DependsOnEarlierRounds && earlier > 0)
            line += "mislukt omdat ronde " + N(earlier) + " niet lukte (" +
                    CauseOf(store, *entry, true) + ").";
        else
            line += CauseOf(store, *entry, false);
        lines.push_back(line);
    }
    return lines;
}
