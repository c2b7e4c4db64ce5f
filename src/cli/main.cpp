// tolvex-cli: the core without windows, for scripts and checks.
//   tolvex-cli dump FILE.tvs
//   tolvex-cli schedule SETUP.json [--max-candidates N]
//   tolvex-cli report SETUP.json --kind K [--summary]

#include "cli_commands.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    std::string_view command = argc >= 2 ? argv[1] : "";
    if (command == "dump") return RunDumpCommand(argc - 1, argv + 1);
    if (command == "schedule") return RunScheduleCommand(argc - 1, argv + 1);
    if (command == "report") return RunReportCommand(argc - 1, argv + 1);
    std::fprintf(stderr, "gebruik: tolvex-cli dump BESTAND.tvs\n"
                         "         tolvex-cli schedule OPZET.json [--max-candidates N]\n"
                         "         tolvex-cli report OPZET.json --kind 1..5 [--summary]\n");
    return 1;
}
