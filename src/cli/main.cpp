// tolvex-cli: the core without windows, for scripts and checks.
//   tolvex-cli dump FILE.tvs
//   tolvex-cli schedule SETUP.json [--max-candidates N]

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "gebruik: tolvex-cli dump BESTAND.tvs | schedule OPZET.json "
                             "[--max-candidates N]\n");
        return 1;
    }
    std::fprintf(stderr, "tolvex-cli: onbekende opdracht: %s\n", argv[1]);
    return 1;
}
