#pragma once
// What steers a schedule run from outside its tables: the stop key the user sets, how often the
// searches let the user interface breathe, and a candidate limit for scripted runs.

#include <cstdint>

struct RunControl {
    // The program's stop key: 27 (Esc, "S&top") or 3 (Ctrl+C) ask the run to stop.
    uint16_t& StopKey;
    // When not 0: the searches act as if the stop key was pressed right after this many
    // candidates of the run.
    uint64_t CandidateLimit = 0;
    // Window events are processed after every PumpInterval-th candidate (1 = after every
    // candidate). The stop key is tested after every candidate either way.
    uint32_t PumpInterval = 1;
    // The candidate-by-candidate search, without the bounds that skip the parts of the search
    // where no acceptable selection lies. Both give the same rounds; only the number of
    // candidates examined differs.
    bool Literal = false;

    bool StopAsked() const { return StopKey == 27 || StopKey == 3; }
};
