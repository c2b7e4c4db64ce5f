// tolvex-cli: the core without windows, for scripts and checks.
//   tolvex-cli dump FILE.tvs
//   tolvex-cli schedule SETUP.json [--literal] [--max-candidates N] [--fit-courts]
//   tolvex-cli report SETUP.json --kind K [--summary] [--export FILE]
// "--help", alone or after a command, prints the usage on standard output; a wrong call prints
// it on standard error and fails.

#include "cli_commands.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* DumpUsage = "gebruik: tolvex-cli dump BESTAND.tvs\n";
constexpr const char* ReportUsage =
    "gebruik: tolvex-cli report OPZET.json --kind 1..5 [--summary] [--export BESTAND]\n";
constexpr const char* Usage =
    "gebruik: tolvex-cli dump BESTAND.tvs\n"
    "         tolvex-cli schedule OPZET.json [--literal] [--max-candidates N] [--fit-courts]\n"
    "         tolvex-cli report OPZET.json --kind 1..5 [--summary] [--export BESTAND]\n"
    "         tolvex-cli [OPDRACHT] --help\n";

bool AsksForHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char** argv) {
    std::string_view command = argc >= 2 ? argv[1] : "";
    bool help = argc >= 3 && AsksForHelp(argv[2]);
    if (command == "dump") {
        if (help) return std::fputs(DumpUsage, stdout) < 0;
        return RunDumpCommand(argc - 1, argv + 1);
    }
    // The schedule command answers --help itself, with its options explained.
    if (command == "schedule") return RunScheduleCommand(argc - 1, argv + 1);
    if (command == "report") {
        if (help) return std::fputs(ReportUsage, stdout) < 0;
        return RunReportCommand(argc - 1, argv + 1);
    }
    if (AsksForHelp(command) && argc == 2) return std::fputs(Usage, stdout) < 0;
    std::fputs(Usage, stderr);
    return 1;
}
