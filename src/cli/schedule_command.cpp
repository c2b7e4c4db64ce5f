// tolvex-cli schedule SETUP.json [--literal] [--max-candidates N] [--fit-courts]: one complete
// schedule computed as the set-up window's "&Start" computes it, printed as one JSON object.
// --fit-courts first searches courts per round with which every round succeeds, as "Passende
// banen" in the set-up window does, and computes the schedule with them (exit status 3 and the
// reasons when no plan works). With
// "memberFile" the rounds and courts come from that file's configuration unless the set-up
// gives them. The question " Wilt U stoppen" is answered "Nee"; --max-candidates N presses the
// stop button after N candidates of the chosen search; --literal examines every candidate as
// the plain search does instead of skipping where no selection can be found.

#include "cli_commands.h"

#include "core/common/windows1252.h"
#include "core/config/config_dialog_fields.h"
#include "core/members/member_file.h"
#include "core/schedule/court_plan_search.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "headless/headless_ports.h"
#include "schedule_setup_json.h"
#include "state/app_state.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using nlohmann::json;

int IntField(const json& setup, const char* key, int fallback, int lo, int hi) {
    auto it = setup.find(key);
    if (it == setup.end()) return fallback;
    if (!it->is_number_integer())
        throw BadInput(std::string("\"") + key + "\" moet een geheel getal zijn");
    const auto value = it->get<long long>();
    if (value < lo || value > hi)
        throw BadInput(std::string("\"") + key + "\" moet tussen " + std::to_string(lo) + " en " +
                       std::to_string(hi) + " liggen");
    return static_cast<int>(value);
}

std::string TextField(const json& object, const char* key) {
    auto it = object.find(key);
    if (it == object.end() || it->is_null()) return {};
    if (!it->is_string()) throw BadInput(std::string("\"") + key + "\" moet tekst zijn");
    return Utf8ToWindows1252(it->get<std::string>());
}

namespace {

const char* const Usage =
    "gebruik: tolvex-cli schedule OPZET.json [--literal] [--max-candidates N] [--fit-courts]\n"
    "  Berekent een schema zoals \"&Start\" in het opzetvenster en schrijft het als JSON.\n"
    "  --literal           onderzoekt elke kandidaat (de letterlijke zoekmethode); zonder\n"
    "                      deze optie slaat de zoektocht over waar geen selectie kan liggen\n"
    "                      (zelfde schema, minder kandidaten)\n"
    "  --max-candidates N  stopt de gekozen zoekmethode na N kandidaten (als \"S&top\")\n"
    "  --fit-courts        zoekt eerst banen per ronde waarmee elke ronde lukt (als \"Passende\n"
    "                      banen\"): de meeste wedstrijden, dan zo dicht mogelijk bij de\n"
    "                      opgegeven of voorgestelde banen; \"fitCourts\" in de uitvoer zegt\n"
    "                      wat er gevonden is, of waarom geen indeling past\n"
    "  --help              deze tekst\n"
    "  Afloop: 0 een schema (met --fit-courts: een schema zonder mislukte ronde), 1 foute\n"
    "  invoer, 2 gestopt na --max-candidates, 3 met --fit-courts: geen indeling van de banen\n"
    "  waarmee elke ronde lukt.\n";

json MessagesJson(const RecordingMessenger& messenger) {
    json shown = json::array();
    for (const RecordedMessage& m : messenger.Shown)
        shown.push_back({{"kind", m.Kind}, {"text", Windows1252ToUtf8(m.Text)}});
    return shown;
}

// The members of a ".tvs" file, loaded as "&Open" loads them (its configuration first). What
// the load said goes to the error text when it failed.
void LoadMemberFile(AppState& state, const std::string& fileName) {
    RecordingMessenger loadMessages;
    HeadlessConfigHost host(state, loadMessages);
    HeadlessFileView view;
    OpenOutcome outcome = OpenNamedMemberFile(state.Common, state.Configuration, state.Members,
                                              loadMessages, host, view, fileName);
    if (!outcome.Loaded || !state.Members.MemberDataPresent) {
        std::string text = "ledenbestand " + fileName + " niet gelezen";
        for (const RecordedMessage& m : loadMessages.Shown)
            text += "\n  " + Windows1252ToUtf8(m.Text);
        throw BadInput(text);
    }
}

// A courts-per-round array: entry i is round i + 1; rounds not given get 0 courts. Left out,
// the group gets the proposal.
std::optional<CourtsPerRound> CourtsField(const json& setup, const char* key) {
    auto it = setup.find(key);
    if (it == setup.end()) return std::nullopt;
    if (!it->is_array() || it->size() > MaxRounds)
        throw BadInput(std::string("\"") + key + "\" moet een rij van hoogstens 24 getallen zijn");
    CourtsPerRound courts{};
    int r = 1;
    for (const json& value : *it) {
        if (!value.is_number_integer() || value.get<long long>() < 0 ||
            value.get<long long>() > 255)
            throw BadInput(std::string("\"") + key + "\" bevat een ongeldig aantal banen");
        courts[r++] = static_cast<uint8_t>(value.get<int>());
    }
    return courts;
}

void LoadMembers(AppState& state, const json& members) {
    if (!members.is_array()) throw BadInput("\"members\" moet een rij van leden zijn");
    state.Members.MemberList.assign(1, TLedenObj{});
    for (const json& m : members) {
        if (!m.is_object()) throw BadInput("elk lid in \"members\" moet een object zijn");
        TLedenObj member;
        TLidRec& rec = member.LidRecord;
        const int clubNo = IntField(m, "ClubNo", 0, std::numeric_limits<int16_t>::min(),
                                    std::numeric_limits<int16_t>::max());
        rec.ClubNo = static_cast<int16_t>(clubNo);
        rec.Voornaam = TextField(m, "Voornaam");
        rec.AchterNaam = TextField(m, "AchterNaam");
        rec.Groep = TextField(m, "Groep");
        rec.StatCode = TextField(m, "StatCode");
        state.Members.MemberList.push_back(member);
    }
    if (state.Members.MemberList.size() - 1 >
        static_cast<std::size_t>(std::numeric_limits<int16_t>::max()))
        throw BadInput("te veel leden");
    state.Members.MemberCount = static_cast<int16_t>(state.Members.MemberList.size() - 1);
    state.Members.MemberDataPresent = true;
}

json PlayersOf(const NameList& list, int count) {
    json players = json::array();
    for (int p = 1; p <= count; ++p) {
        const TNaamRec& rec = list[p].NaamRec;
        players.push_back({{"LidNo", rec.LidNo},
                           {"Voornaam", Windows1252ToUtf8(rec.Voornaam.View())},
                           {"AchterNaam", Windows1252ToUtf8(rec.AchterNaam.View())},
                           {"StatusNr", rec.StatusNr}});
    }
    return players;
}

json CourtsArray(const std::array<uint8_t, MaxRounds + 1>& courts) {
    json values = json::array();
    for (int r = 1; r <= MaxRounds; ++r) values.push_back(courts[r]);
    return values;
}

json Output(const AppState& state, const RecordingMessenger& messages,
            const WarningRecorder& view) {
    const ScheduleStore& store = state.Store();
    json out;
    out["messages"] = MessagesJson(messages);
    json warnings = json::array();
    for (const std::string& text : view.Warnings) warnings.push_back(Windows1252ToUtf8(text));
    out["warnings"] = warnings;
    const int listedMen = std::min(std::max(store.Params.NHeren, 0), MaxGroupPlayers);
    const int listedWomen = std::min(std::max(store.Params.NDames, 0), MaxGroupPlayers);
    out["NameLists"] = {{"men", PlayersOf(store.Of(Men).Names, listedMen)},
                        {"women", PlayersOf(store.Of(Women).Names, listedWomen)}};
    out["NumMen"] = store.NumMen;
    out["NumWomen"] = store.NumWomen;
    out["NumDoublesRounds"] = store.NumDoublesRounds;
    out["NumMixedRounds"] = store.NumMixedRounds;
    out["NumCourts"] = store.NumCourts;
    out["NumRounds"] = store.NumRounds;
    out["LadiesFirst"] = store.LadiesFirst;
    out["VaryPairs"] = store.VaryPairs;
    out["PauseMode"] = store.PauseMode;
    out["PairingOptions"] = store.Params.PairingOptions;
    out["CourtsMen"] = CourtsArray(store.CourtsMen);
    out["CourtsWomen"] = CourtsArray(store.CourtsWomen);
    out["CourtsMixed"] = CourtsArray(store.CourtsMixed);

    const int rounds = std::min(std::max(store.NumRounds, 0), MaxRounds);
    json table = json::array();
    for (int r = 1; r <= rounds; ++r) {
        const RoundRecord& record = store.RoundTable[r];
        json courts = json::array();
        for (int c = 1; c <= MaxCourts; ++c) {
            const auto& s = record.Courts[c];
            courts.push_back({s[0], s[1], s[2], s[3]});
        }
        table.push_back({{"men", {record.FirstMen, record.LastMen}},
                         {"women", {record.FirstWomen, record.LastWomen}},
                         {"mixed", {record.FirstMixed, record.LastMixed}},
                         {"courts", courts}});
    }
    out["RoundTable"] = table;

    json playCount, opponents;
    for (Group g : {Men, Women}) {
        const char* name = g == Men ? "men" : "women";
        const GroupTables& tables = store.Of(g);
        const int players = std::min(std::max(store.CountOf(g), 0), MaxGroupPlayers);
        json counts = json::array();
        for (int p = 1; p <= players; ++p) counts.push_back(tables.PlayCount[p]);
        playCount[name] = counts;
        json byRound = json::array();
        for (int r = 1; r <= rounds; ++r) {
            json entries = json::array();
            for (int p = 1; p <= players; ++p)
                entries.push_back({tables.OpponentTable[r][p].X, tables.OpponentTable[r][p].Y});
            byRound.push_back(entries);
        }
        opponents[name] = byRound;
    }
    out["PlayCount"] = playCount;
    out["OpponentTable"] = opponents;
    json reasons = json::array();
    for (const RoundReasonEntry& reason : store.Reasons) {
        static const char* groups[] = {"men", "women", "mixed"};
        reasons.push_back({{"group", groups[reason.Group]},
                           {"round", reason.Round},
                           {"text", Windows1252ToUtf8(reason.Text)}});
    }
    out["reasons"] = reasons;
    // The same reasons as the set-up window lists them, one line per failed round.
    json lines = json::array();
    for (const std::string& line : RoundReasonLines(store))
        lines.push_back(Windows1252ToUtf8(line));
    out["reasonLines"] = lines;
    out["candidates"] = store.Candidates;
    out["stopped"] = store.RunStopped;
    return out;
}

// One JSON object on one line of standard output.
void PrintJson(const json& object) {
    const std::string text = object.dump();
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int Run(int argc, char** argv) {
    std::string setupFile;
    uint64_t maxCandidates = 0;
    bool literal = false;
    bool fitCourts = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (arg == "--literal") {
            literal = true;
        } else if (arg == "--fit-courts") {
            fitCourts = true;
        } else if (arg == "--max-candidates") {
            if (i + 1 >= argc) throw BadInput("--max-candidates verwacht een aantal");
            std::string value = argv[++i];
            std::size_t used = 0;
            unsigned long long n = 0;
            try {
                n = std::stoull(value, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != value.size() || value[0] == '-' || n == 0)
                throw BadInput("--max-candidates verwacht een geheel getal van minstens 1");
            maxCandidates = n;
        } else if (setupFile.empty()) {
            setupFile = arg;
        } else {
            throw BadInput("onbekend argument: " + arg);
        }
    }
    if (setupFile.empty()) throw BadInput(std::string("geen opzet gegeven\n") + Usage);

    auto state = std::make_unique<AppState>();
    ScheduleSetupInput input = ReadScheduleSetupFile(setupFile, *state).Input;

    RecordingMessenger messages;
    QuietPump pump;
    QuietBeeper bell;
    WarningRecorder view;
    // No window events to process: the searches run at full speed, and the candidate limit
    // stops them exactly.
    RunControl control{state->Common.StopKey, maxCandidates, 1u << 20, literal};
    RunPorts ports{messages, pump, bell, view, control};
    PrepareSchedule(state->Common, state->Configuration, state->Members, state->Store(), input,
                    messages, bell, view);

    ScheduleStore& store = state->Store();
    json fit;
    if (fitCourts) {
        // The candidate limit of the command stops each trial run of the search.
        CourtPlanLimits limits;
        if (maxCandidates != 0) limits.TrialCandidates = maxCandidates;
        const CourtPlanOutcome plan =
            FitCourts(state->Common, state->Configuration, store, ports, limits);
        json why = json::array();
        for (const std::string& line : plan.Why) why.push_back(Windows1252ToUtf8(line));
        fit = {{"found", plan.Found},       {"games", plan.Games},
               {"distance", plan.Distance}, {"mostGamesProved", plan.MostGamesProved},
               {"trials", plan.Trials},     {"why", why}};
        if (!plan.Found) {
            PrintJson(json{{"fitCourts", fit}});
            return 3;
        }
        ApplyCourtPlan(store, plan.Plan);
        // The plan's own run has its limit lifted: the search has run it already.
        control.CandidateLimit = 0;
    }
    StartRun(state->Common, state->Configuration, store, ports);

    json out = Output(*state, messages, view);
    if (fitCourts) out["fitCourts"] = fit;
    PrintJson(out);
    return store.RunStopped ? 2 : 0;
}

} // namespace

void ReadGroupCodes(const json& object, TCfgRec& cfg) {
    auto it = object.find("Grpn");
    if (it == object.end()) return;
    if (!it->is_array() || it->size() != 2 || !(*it)[0].is_string() || !(*it)[1].is_string())
        throw BadInput("\"Grpn\" moet een rij van twee groepscodes zijn");
    cfg.Grpn[0] = Utf8ToWindows1252((*it)[0].get<std::string>());
    cfg.Grpn[1] = Utf8ToWindows1252((*it)[1].get<std::string>());
}

ScheduleSetupFile ReadScheduleSetupFile(const std::string& setupFile, AppState& state) {
    std::ifstream in(setupFile, std::ios::binary);
    if (!in) throw BadInput("kan " + setupFile + " niet lezen");
    std::stringstream buffer;
    buffer << in.rdbuf();
    json setup;
    try {
        setup = json::parse(buffer.str());
    } catch (const json::parse_error& e) {
        throw BadInput(std::string("geen geldige JSON: ") + e.what());
    }
    if (!setup.is_object()) throw BadInput("de opzet moet een JSON-object zijn");

    ScheduleSetupInput input;
    input.Kind = IntField(setup, "kind", 1, 1, 2);
    TCfgRec& cfg = state.Configuration.Config.CfgRec;
    cfg.Grpn[0] = "h";
    cfg.Grpn[1] = "d";
    ReadGroupCodes(setup, cfg);
    cfg.Cfgflags = static_cast<uint16_t>(IntField(setup, "Cfgflags", 17, 0, 65535));
    if (auto it = setup.find("BaanCode"); it != setup.end()) {
        if (!it->is_array() || it->size() > MaxCourts)
            throw BadInput("\"BaanCode\" moet een rij van hoogstens 32 codes zijn");
        int c = 1;
        for (const json& code : *it) {
            if (!code.is_number_integer()) throw BadInput("\"BaanCode\" bevat een ongeldige code");
            state.Common.BaanCode[c++] = code.get<int32_t>();
        }
    }

    input.NDubRonden = IntField(setup, "NDubRonden", 4, 0, MaxRounds);
    input.NMixRonden = IntField(setup, "NMixRonden", 2, 0, MaxRounds);
    if (input.NDubRonden + input.NMixRonden > MaxRounds)
        throw BadInput("\"NDubRonden\" + \"NMixRonden\" is meer dan 24 ronden");
    input.NBanen = IntField(setup, "NBanen", 9, 0, 255);

    if (input.Kind == 1) {
        if (auto it = setup.find("members"); it != setup.end()) {
            LoadMembers(state, *it);
        } else if (auto file = setup.find("memberFile"); file != setup.end()) {
            if (!file->is_string()) throw BadInput("\"memberFile\" moet een bestandsnaam zijn");
            // The file brings its own configuration; the set-up's group codes and option
            // bits (or their defaults) still decide the schedule.
            const TCfgRec chosen = cfg;
            LoadMemberFile(state, file->get<std::string>());
            // As "Schema met &Namen" does: the rounds and courts of the file's configuration,
            // unless the set-up gives them.
            if (!setup.contains("NDubRonden")) input.NDubRonden = cfg.NDubRonden;
            if (!setup.contains("NMixRonden")) input.NMixRonden = cfg.NMixRonden;
            if (!setup.contains("NBanen")) input.NBanen = cfg.NBanen;
            if (input.NDubRonden < 0 || input.NMixRonden < 0 || input.NBanen < 0 ||
                input.NDubRonden + input.NMixRonden > MaxRounds)
                throw BadInput("de configuratie van het ledenbestand geeft ongeldige aantallen "
                               "ronden of banen");
            cfg.Grpn[0] = chosen.Grpn[0];
            cfg.Grpn[1] = chosen.Grpn[1];
            cfg.Cfgflags = chosen.Cfgflags;
        } else {
            throw BadInput("een schema met namen heeft \"members\" of \"memberFile\" nodig");
        }
    } else {
        input.NHeren = IntField(setup, "NHeren", 0, 0, 1000);
        input.NDames = IntField(setup, "NDames", 0, 0, 1000);
    }
    input.CourtsMen = CourtsField(setup, "CourtsMen");
    input.CourtsWomen = CourtsField(setup, "CourtsWomen");
    input.CourtsMixed = CourtsField(setup, "CourtsMixed");
    input.PairingOptions = static_cast<uint16_t>(IntField(setup, "PairingOptions", 2, 0, 7));
    input.PauseOptions = static_cast<uint16_t>(IntField(setup, "PauseOptions", 5, 0, 15));

    return {setup, input};
}

int RunScheduleCommand(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const BadInput& e) {
        std::fprintf(stderr, "tolvex-cli schedule: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvex-cli schedule: %s\n", e.what());
        return 1;
    }
}
