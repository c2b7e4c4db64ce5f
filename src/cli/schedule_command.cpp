#include "cli_commands.h"

#include <cstdio>

int RunScheduleCommand(int, char**) {
    std::fprintf(stderr, "tolvex-cli: schedule is not available yet\n");
    return 1;
}
