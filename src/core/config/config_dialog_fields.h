#pragma once
// The field checks of the configuration dialog ("Sleutel gegevens"): each field's text goes into
// the configuration, with the range checks and their reports when asked. The window only hands
// over texts and check-box states.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/config/config_state.h"

#include <optional>
#include <string>
#include <string_view>

// Field numbers of the dialog (the controls' tags).
enum ConfigField : int {
    FieldClubNaam = 1,
    FieldNLeden = 2,
    FieldNDubRonden = 3,
    FieldNMixRonden = 4,
    FieldNBanen = 5,
    FieldGroep1 = 6,
    FieldGroep2 = 7,
    FieldNMatches = 8,
    FieldGames = 9,
    FieldVeelWeinig = 10,
    FieldHelpmess = 11,
    FieldBaancode = 12,
};

// A number as typed: blanks around it are dropped, an empty text is 0. A number beyond the
// signed 16-bit range is held at the nearest end of that range, so it can never pass a range
// check by wrapping around. nullopt when the text is not a whole decimal number.
std::optional<int16_t> ConvertConfigNumber(std::string_view text);

// Fields 1..8: stores the text of the field; with check the numbers are range-checked and
// reported (the value is stored all the same). Sets ErrorCode as the reports do.
void CheckConfigTextField(CommonState& common, ConfigState& config, Messenger& messenger,
                          Beeper& bell, int field, std::string_view text, bool check);

// Field 9: "Aantal games of sets bijhouden". matchChanged is set when counting is switched on.
void CheckGamesField(ConfigState& config, bool checked, bool& matchChanged);

// Fields 10..12: the option bits of Cfgflags.
void CheckOptionField(ConfigState& config, int field, bool checked);

// The core of opening the dialog: with nieuw a fresh default configuration; otherwise refuses
// ("Geen Ledenbestand geladen") when no member list is loaded. True when the dialog may show.
bool PrepareConfigDial(CommonState& common, ConfigState& config, Messenger& messenger, bool nieuw,
                       bool memberListLoaded);

// Decimal text of a number field, as the dialog shows it.
std::string ConfigFieldText(const ConfigState& config, int field);
