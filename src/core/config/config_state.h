#pragma once
// The program-wide configuration: the one current configuration and the working print settings.

#include "core/config/config_records.h"

#include <string>

struct ConfigState {
    TConfigObj Config{};
    bool ConfigExists = false; // a configuration has been loaded or created this run
    TPrnCFGRec PrnCfg{};       // the working copy every reader of print settings uses
    std::string ConfigFileName;
    bool ConfigOK = false;
    bool PrinterPresent = false;
    bool GamesCounting = false;
    bool PrintHeadOn = false;
    bool PersDataOn = false;
    bool LandscapeOn = false;
    bool PrintTitelOn = false;
};

// "Waarschuwen bij teveel of teweinig banen": whether too few courts are reported.
inline bool WarnsAboutCourts(const ConfigState& state) {
    return (state.Config.CfgRec.Cfgflags & CfgWarnCourts) != 0;
}
