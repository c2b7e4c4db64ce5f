#pragma once
// What the fuzz targets share: the headless ports (every message recorded, questions answered
// "&Nee", the configuration dialog making a fresh configuration without being confirmed) and
// the invariant check.

#include "core/common/ports.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <cstdlib>

// A broken invariant is a finding: abort so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) std::abort();
}
