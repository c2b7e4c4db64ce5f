#include "cli_commands.h"

#include <cstdio>

int RunDumpCommand(int, char**) {
    std::fprintf(stderr, "tolvex-cli: dump is not available yet\n");
    return 1;
}
