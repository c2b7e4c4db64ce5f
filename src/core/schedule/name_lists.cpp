#include "core/schedule/name_lists.h"

#include "core/common/typed_text.h"

#include <algorithm>
#include <cstdint>

namespace {

std::string Padded(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width) result.append(width - result.size(), ' ');
    return result;
}

} // namespace

void NewNameLists(ScheduleStore& store) {
    for (GroupTables& tables : store.Groups) {
        tables.Names.fill(TNaamObj{});
        tables.Names[0].NaamRec.Voornaam = "G r o t e   ";
        tables.Names[0].NaamRec.AchterNaam = "O n b e k e n d e ? ";
    }
}

uint8_t StatusNrOf(std::string_view statCode, Beeper& bell) {
    const unsigned char first = statCode.empty() ? 0 : static_cast<unsigned char>(statCode[0]);
    if (first >= '1' && first <= '9') {
        // The value of the leading digits; a code that is not a number throughout still
        // counts by them, and a value beyond a byte keeps its low byte.
        int value = 0;
        std::size_t i = 0;
        while (i < statCode.size() && statCode[i] >= '0' && statCode[i] <= '9')
            value = value * 10 + (statCode[i++] - '0');
        if (i < statCode.size() || value >= 64) bell.Beep();
        return static_cast<uint8_t>(value & 0xFF);
    }
    int value = (first >= 'a' && first <= 'z') ? first - 'a' + 'A' : first;
    if (statCode.size() >= 2 && statCode[1] == '1') value += 50;
    if (statCode.size() >= 2 && statCode[1] == '2') value += 100;
    return static_cast<uint8_t>(value & 0xFF);
}

int FillNameList(const ConfigState& config, const MemberState& members, Messenger& messenger,
                 Beeper& bell, NameList& list, int g) {
    const std::string mark = UpperAscii(TrimBlanks(config.Config.CfgRec.Grpn[g].View()));
    int k = 0;
    // Item 0 of the member list is the header record, never a member.
    const int lastMember =
        std::min<int>(members.MemberCount, static_cast<int>(members.MemberList.size()) - 1);
    for (int i = 1; i <= lastMember; ++i) {
        const TLidRec& member = members.MemberList[i].LidRecord;
        const std::string_view code = member.StatCode.View();
        if (code.empty() || static_cast<unsigned char>(code[0]) <= '0') continue;
        if (UpperAscii(TrimBlanks(member.Groep.View())) != mark) continue;
        ++k;
        if (TrimBlanks(member.AchterNaam.View()).empty())
            messenger.Show("Actief lid: " + std::to_string(member.ClubNo) +
                               " heeft geen achternaam!",
                           KindWaarschuwing, ButtonsOK);
        const uint8_t statusNr = StatusNrOf(code, bell);
        if (k > MaxGroupPlayers) continue;
        TNaamRec& rec = list[k].NaamRec;
        rec.LidNo = static_cast<uint8_t>(member.ClubNo & 0xFF);
        rec.Voornaam = Padded(member.Voornaam.View(), 24);
        rec.AchterNaam = Padded(member.AchterNaam.View(), 40);
        rec.StatusNr = statusNr;
    }
    list[0].NaamRec.Voornaam = "G r o t e   ";
    list[0].NaamRec.AchterNaam = "O n b e k e n d e ? ";
    return k;
}

void FillPairNames(NameList& list, int count, std::string_view letter) {
    for (int p = 1; p <= std::min(count, MaxGroupPlayers); ++p) {
        list[p].NaamRec.Voornaam = letter.substr(0, 1);
        list[p].NaamRec.AchterNaam = std::to_string(p) + std::string(10, ' ');
    }
}

void SetGroupLabels(const ConfigState& config, ScheduleStore& store) {
    const auto& grpn = config.Config.CfgRec.Grpn;
    struct Default {
        const char* Code;
        const char* Heading;
        const char* Label;
    };
    const Default defaults[2] = {{"H", "HEREN  ", " Heren "}, {"D", "DAMES  ", " Dames "}};
    for (int g = 0; g < 2; ++g) {
        if (UpperAscii(TrimBlanks(grpn[g].View())) == defaults[g].Code) {
            store.GroupHeading[g] = defaults[g].Heading;
            store.GroupLabel[g] = defaults[g].Label;
        } else {
            store.GroupHeading[g] = " GROEP " + grpn[g].Str();
            store.GroupLabel[g] = " Groep " + grpn[g].Str();
        }
    }
    store.GroupLabel[2] = " Mixed ";
}

CounterCaptions SetCounterCaptions(const ConfigState& config, ScheduleStore& store) {
    CounterCaptions captions = MakeCounterCaptions(config.Config.CfgRec);
    store.GroupLabel[0] = captions.Group1;
    store.GroupLabel[1] = captions.Group2;
    return captions;
}

void DefaultCourts(ScheduleStore& store, Beeper& bell, ScheduleView& view) {
    ScheduleParams& params = store.Params;
    // In 64 bits and clamped back: the counts may be anything a field was given.
    auto clamped = [](long long value) {
        return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
    };
    store.NumPlayers = clamped(static_cast<long long>(params.NHeren) + params.NDames);
    store.NumRounds = clamped(static_cast<long long>(params.NDubRonden) + params.NMixRonden);
    if (params.NHeren == 0 || params.NDames == 0) params.NMixRonden = 0;
    // The shares are taken of the players there are: a negative count has none, so that the
    // share never divides by nothing.
    const long long menCount = std::max(params.NHeren, 0);
    const long long womenCount = std::max(params.NDames, 0);
    const long long players = menCount + womenCount;
    long long men = 0, women = 0;
    if (menCount > 0) {
        men = (menCount * params.NBanen + players / 2) / players;
        if (womenCount > 0) women = params.NBanen - men;
    } else if (womenCount > 0) {
        params.PairingOptions = static_cast<uint16_t>((params.PairingOptions & 6) + 1);
        women = (womenCount * params.NBanen + players / 2) / players;
    } else {
        bell.Beep();
    }
    for (int r = 1; r <= std::min(params.NDubRonden, MaxRounds); ++r) {
        store.CourtsMen[r] = static_cast<uint8_t>(std::clamp<long long>(men, 0, 255));
        store.CourtsWomen[r] = static_cast<uint8_t>(std::clamp<long long>(women, 0, 255));
    }
    for (int m = 1; m <= std::min(params.NMixRonden, MaxRounds); ++m)
        store.CourtsMixed[m] = static_cast<uint8_t>(std::clamp(params.NBanen, 0, 255));
    params.PauseOptions = 5;
    view.HideWarning();
}
