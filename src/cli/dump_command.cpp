// tolvex-cli dump FILE.tvs: loads the member file as "&Open" does (its configuration first) and
// prints what was loaded, with every message the load showed, as one JSON object.

#include "cli_commands.h"

#include "core/common/windows1252.h"
#include "core/config/config_dialog_fields.h"
#include "core/members/member_file.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

namespace {

using json = nlohmann::ordered_json;

template <std::size_t N> std::string Text(const ShortString<N>& s) {
    return Windows1252ToUtf8(s.View());
}

// Numbers are handed over as values (the unary +): the records are packed, and a reference to
// one of their fields may be misaligned.
json MemberJson(const TLidRec& m) {
    return {{"Indx", +m.Indx},
            {"ClubNo", +m.ClubNo},
            {"Voornaam", Text(m.Voornaam)},
            {"AchterNaam", Text(m.AchterNaam)},
            {"Groep", Text(m.Groep)},
            {"StatCode", Text(m.StatCode)},
            {"Adres", Text(m.Adres)},
            {"PostCode", Text(m.PostCode)},
            {"Plaats", Text(m.Plaats)},
            {"Telefoon", Text(m.Telefoon)},
            {"EMail", Text(m.EMail)},
            {"Opmerking", Text(m.Opmerking)}};
}

json ConfigJson(const TConfigObj& config) {
    const TCfgRec& c = config.CfgRec;
    const TPrnCFGRec& p = config.PrnCFGRecord;
    json persoon = json::array();
    for (const auto& line : p.Persoon) persoon.push_back(Text(line));
    return {{"ClubLengte", +config.ClubLengte},
            {"ClubNaam", Text(c.ClubNaam)},
            {"NLeden", +c.NLeden},
            {"NDubRonden", +c.NDubRonden},
            {"NMixRonden", +c.NMixRonden},
            {"NBanen", +c.NBanen},
            {"NMatches", +c.NMatches},
            {"Grpn", json::array({Text(c.Grpn[0]), Text(c.Grpn[1])})},
            {"Telling", +c.Telling},
            {"Cfgflags", +c.Cfgflags},
            {"FontNameTv", Text(p.FontNameTv)},
            {"FontSizeTv", +p.FontSizeTv},
            {"FontSizePR", +p.FontSizePR},
            {"LeftMarge", +p.LeftMarge},
            {"TopMarge", +p.TopMarge},
            {"BottomMarge", +p.BottomMarge},
            {"LineHeight", +p.LineHeight},
            {"LinespPage", +p.LinespPage},
            {"PrntInstel", +p.PrntInstel},
            {"Persoon", persoon},
            {"FontNamePR", Text(p.FontNamePR)},
            {"Preferent", +p.Preferent}};
}

} // namespace

int RunDumpCommand(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: tolvex-cli dump BESTAND.tvs\n");
        return 1;
    }
    AppState state;
    RecordingMessenger messenger;
    HeadlessConfigHost host(state, messenger);
    HeadlessFileView view;
    OpenOutcome outcome = OpenNamedMemberFile(state.Common, state.Configuration, state.Members,
                                              messenger, host, view, argv[1]);

    json members = json::array();
    if (outcome.Loaded)
        for (int i = 1; i <= state.Members.MemberCount; ++i)
            members.push_back(MemberJson(state.Members.MemberList[i].LidRecord));
    json messages = json::array();
    for (const RecordedMessage& m : messenger.Shown)
        messages.push_back({{"kind", m.Kind}, {"text", Windows1252ToUtf8(m.Text)}});
    json result = {{"count", outcome.HeaderCount},
                   {"members", members},
                   {"config", ConfigJson(outcome.Config)},
                   {"messages", messages}};
    std::cout << result.dump(2) << '\n';
    return outcome.Loaded ? 0 : 1;
}
