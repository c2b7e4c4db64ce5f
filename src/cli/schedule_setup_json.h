#pragma once
// Reading a schedule set-up from its JSON file: the commands that compute a schedule ("schedule",
// "report") read the same input the same way.

#include "core/schedule/schedule_setup.h"
#include "state/app_state.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

// Bad input of a command: its text is shown after the command's name.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An integer field of an object within lo..hi, or the fallback when it is left out.
int IntField(const nlohmann::json& object, const char* key, int fallback, int lo, int hi);

// A text field in the program's character set; empty when left out.
std::string TextField(const nlohmann::json& object, const char* key);

// "Grpn", the two group codes, into cfg when the object gives them.
void ReadGroupCodes(const nlohmann::json& object, TCfgRec& cfg);

struct ScheduleSetupFile {
    nlohmann::json Setup;     // the whole object, for keys of the command's own
    ScheduleSetupInput Input; // what the set-up window's fields would hold
};

// Reads SETUP.json into the set-up input; the members (given, or from a member file), the group
// codes, the option bits and the court codes go into the state.
ScheduleSetupFile ReadScheduleSetupFile(const std::string& setupFile, AppState& state);
