// tolvex-cli report SETUP.json --kind K [--summary]: computes the schedule of the set-up as
// "&Start" does and prints the lines of report K (1 pair schedule, 2 court schedule, 3 times
// played, 4 cross table, 5 the editor's court schedule), one per output line, exactly as the
// report window receives them (converted to UTF-8). --summary first prints the block that opens
// an exported or printed report. --export FILE writes the text file of the report (kinds 1..4)
// as the report window's "&Export" does, with the print settings of "config" (margins, screen
// font size, Preferent switches, Persoon) over the standard ones. Messages of the run and of the
// report go to the error output.
//
// Besides the keys of "schedule", the set-up may hold "SpeelDatum" ("d-m-yyyy", default today)
// and "config", an object with the configuration keys that "dump" prints.

#include "cli_commands.h"

#include "core/common/date_edit.h"
#include "core/common/safe_file_writer.h"
#include "core/common/windows1252.h"
#include "core/config/config_file.h"
#include "core/reports/play_date.h"
#include "core/reports/report_build.h"
#include "core/reports/report_export.h"
#include "core/reports/report_summary.h"
#include "core/schedule/schedule_run.h"
#include "headless/headless_ports.h"
#include "schedule_setup_json.h"

#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>

using nlohmann::json;

namespace {

CalendarDate SystemToday() {
    const auto today = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return {static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day()))};
}

template <std::size_t N>
void ShortText(const json& object, const char* key, ShortString<N>& field) {
    if (object.contains(key)) field = TextField(object, key);
}

template <typename T> void Number(const json& object, const char* key, T& field) {
    field = static_cast<T>(
        IntField(object, key, field, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// The configuration keys as "dump" prints them; keys left out keep their value.
void ApplyConfig(const json& config, TConfigObj& obj) {
    if (!config.is_object()) throw BadInput("\"config\" moet een object zijn");
    TCfgRec& c = obj.CfgRec;
    TPrnCFGRec& p = obj.PrnCFGRecord;
    Number(config, "ClubLengte", obj.ClubLengte);
    ShortText(config, "ClubNaam", c.ClubNaam);
    Number(config, "NLeden", c.NLeden);
    Number(config, "NDubRonden", c.NDubRonden);
    Number(config, "NMixRonden", c.NMixRonden);
    Number(config, "NBanen", c.NBanen);
    Number(config, "NMatches", c.NMatches);
    ReadGroupCodes(config, c);
    Number(config, "Telling", c.Telling);
    Number(config, "Cfgflags", c.Cfgflags);
    ShortText(config, "FontNameTv", p.FontNameTv);
    Number(config, "FontSizeTv", p.FontSizeTv);
    Number(config, "FontSizePR", p.FontSizePR);
    Number(config, "LeftMarge", p.LeftMarge);
    Number(config, "TopMarge", p.TopMarge);
    Number(config, "BottomMarge", p.BottomMarge);
    Number(config, "LineHeight", p.LineHeight);
    Number(config, "LinespPage", p.LinespPage);
    Number(config, "PrntInstel", p.PrntInstel);
    if (auto it = config.find("Persoon"); it != config.end()) {
        if (!it->is_array() || it->size() > 5)
            throw BadInput("\"Persoon\" moet hoogstens 5 regels zijn");
        for (std::size_t i = 0; i < it->size(); ++i) {
            if (!(*it)[i].is_string()) throw BadInput("\"Persoon\" moet tekst bevatten");
            p.Persoon[i] = Utf8ToWindows1252((*it)[i].get<std::string>());
        }
    }
    ShortText(config, "FontNamePR", p.FontNamePR);
    Number(config, "Preferent", p.Preferent);
}

void PrintLine(const std::string& line) {
    const std::string text = Windows1252ToUtf8(line);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintMessages(const RecordingMessenger& messages) {
    for (const RecordedMessage& m : messages.Shown)
        std::fprintf(stderr, "bericht (%d): %s\n", m.Kind, Windows1252ToUtf8(m.Text).c_str());
}

constexpr const char* Usage =
    "gebruik: tolvex-cli report OPZET.json --kind 1..5 [--summary] [--export BESTAND]";

// The standard print settings of a new configuration, for the keys "config" leaves out.
TPrnCFGRec StandardPrintSettings() {
    CommonState common;
    ConfigState config;
    DefaultConfig(common, config);
    return config.PrnCfg;
}

void TakePrintSettings(ConfigState& config) {
    config.PrnCfg = config.Config.PrnCFGRecord;
    const uint16_t pref = config.PrnCfg.Preferent;
    config.PrintHeadOn = (pref & PrefPrintKop) != 0;
    config.PersDataOn = (pref & PrefEigenaar) != 0;
    config.LandscapeOn = (pref & PrefLiggend) != 0;
    config.PrintTitelOn = (pref & PrefPrintTitel) != 0;
}

int Run(int argc, char** argv) {
    std::string setupFile;
    int kind = 0;
    bool summary = false;
    std::string exportFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--kind") {
            if (i + 1 >= argc) throw BadInput("--kind verwacht 1..5");
            const std::string value = argv[++i];
            if (value.size() != 1 || value[0] < '1' || value[0] > '5')
                throw BadInput("--kind verwacht 1..5");
            kind = value[0] - '0';
        } else if (arg == "--summary") {
            summary = true;
        } else if (arg == "--export") {
            if (i + 1 >= argc) throw BadInput("--export verwacht een bestandsnaam");
            exportFile = argv[++i];
        } else if (setupFile.empty() && !arg.starts_with("--")) {
            setupFile = arg;
        } else {
            throw BadInput("onbekend argument: " + arg);
        }
    }
    if (setupFile.empty() || kind == 0) throw BadInput(Usage);
    if (!exportFile.empty() && kind == ReportEditor)
        throw BadInput("--export kan alleen voor de overzichten 1..4");

    auto state = std::make_unique<AppState>();
    ScheduleSetupFile file = ReadScheduleSetupFile(setupFile, *state);
    const json& setup = file.Setup;
    state->Configuration.Config.PrnCFGRecord = StandardPrintSettings();
    if (auto it = setup.find("config"); it != setup.end()) {
        // The set-up's own group codes and option bits still win over the configuration's.
        const TCfgRec chosen = state->Configuration.Config.CfgRec;
        ApplyConfig(*it, state->Configuration.Config);
        if (setup.contains("Grpn")) {
            state->Configuration.Config.CfgRec.Grpn[0] = chosen.Grpn[0];
            state->Configuration.Config.CfgRec.Grpn[1] = chosen.Grpn[1];
        }
        if (setup.contains("Cfgflags"))
            state->Configuration.Config.CfgRec.Cfgflags = chosen.Cfgflags;
    }
    const CalendarDate today = SystemToday();
    CalendarDate playDate = today;
    if (setup.contains("SpeelDatum")) {
        const std::string text = TextField(setup, "SpeelDatum");
        const auto date = ParseDateText(text, today);
        if (!date) throw BadInput("\"SpeelDatum\" is geen geldige datum (d-m-jjjj): " + text);
        playDate = *date;
    }
    file.Input.SpeelDatum = PlayDateSerial(playDate);
    TakePrintSettings(state->Configuration);

    RecordingMessenger messages;
    QuietPump pump;
    QuietBeeper bell;
    WarningRecorder view;
    RunControl control{state->Common.StopKey, 0, 1u << 20};
    RunPorts ports{messages, pump, bell, view, control};
    if (!PrepareSchedule(state->Common, state->Configuration, state->Members, state->Store(),
                         file.Input, messages, bell, view)) {
        PrintMessages(messages);
        return 1;
    }
    StartRun(state->Common, state->Configuration, state->Store(), ports);

    const ReportOpening opening =
        PrepareReport(state->Common, state->Configuration, state->Store(), messages, kind);
    PrintMessages(messages);
    if (!opening.Report) return 2;
    if (summary)
        for (const std::string& line : SummaryBlock(ReportSourceOf(state->Common, state->Store()),
                                                    state->Configuration.Config.CfgRec))
            PrintLine(line);
    if (!exportFile.empty()) {
        WriteFileAtomically(exportFile,
                            ExportReport(state->Configuration,
                                         ReportExportInputOf(state->Common, state->Configuration,
                                                             state->Store(), *opening.Report)));
        return 0;
    }
    for (const TResultObj& line : opening.Report->Lines) PrintLine(line.Regel);
    return 0;
}

} // namespace

int RunReportCommand(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvex-cli report: %s\n", e.what());
        return 1;
    }
}
