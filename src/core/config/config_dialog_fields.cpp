#include "core/config/config_dialog_fields.h"

#include "core/common/error_report.h"
#include "core/config/config_file.h"

#include <cstdint>
#include <limits>

namespace {

std::string_view Trim(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void ReportTooLarge(CommonState& common, Messenger& messenger, std::string_view trimmed) {
    std::string text = "Aantal te groot ";
    text.append(trimmed);
    ReportError({messenger, common.ErrorCode}, text, 0, 1, NoAdvice);
}

void ReportNotANumber(CommonState& common, Messenger& messenger, std::string_view subject) {
    ReportError({messenger, common.ErrorCode}, subject, 0, 5, 5);
}

// Returns the ErrorCode the range table gives, 0 when the value passes.
int RangeCheck(const ConfigState& config, int field, int value) {
    switch (field) {
    case FieldNLeden:
        if (value < 4) return 2;
        if (value > 400) return 12;
        return 0;
    case FieldNDubRonden:
        if (value < 0) return 3;
        if (value > 24) return 13;
        return 0;
    case FieldNMixRonden:
        if (value < 0) return 4;
        if (value > 24 - config.Config.CfgRec.NDubRonden) return 14;
        return 0;
    case FieldNBanen:
        if (value <= 0) return 5;
        if (value > 32) return 15;
        return 0;
    case FieldNMatches:
        if (value < 0) return 8;
        if (value > 40) return 16;
        return 0;
    default:
        return 0;
    }
}

void ReportRange(CommonState& common, Messenger& messenger, int code, std::string_view trimmed) {
    switch (code) {
    case 2:
        ReportError({messenger, common.ErrorCode}, "", 1, 0, 0);
        break;
    case 3:
        ReportNotANumber(common, messenger, "Geen tolvex ");
        break;
    case 4:
        ReportNotANumber(common, messenger, "Geen mixtolvex ");
        break;
    case 5:
        ReportNotANumber(common, messenger, "Aantal banen ");
        break;
    case 8:
        ReportNotANumber(common, messenger, "Aantal matches ");
        break;
    default:
        ReportTooLarge(common, messenger, trimmed);
        break;
    }
}

void StoreNumber(ConfigState& config, int field, int16_t value) {
    TCfgRec& cfg = config.Config.CfgRec;
    switch (field) {
    case FieldNLeden:
        cfg.NLeden = value;
        break;
    case FieldNDubRonden:
        cfg.NDubRonden = value;
        break;
    case FieldNMixRonden:
        cfg.NMixRonden = value;
        break;
    case FieldNBanen:
        cfg.NBanen = value;
        break;
    case FieldNMatches:
        cfg.NMatches = value;
        break;
    default:
        break;
    }
}

void CheckGroupMark(CommonState& common, ConfigState& config, Messenger& messenger, int field,
                    std::string_view text) {
    std::string_view trimmed = Trim(text);
    // An empty mark is refused too: members are told apart by their group mark, and an empty
    // one would match the placeholders' empty group.
    if (!trimmed.empty() && IsLetter(trimmed.front())) {
        config.Config.CfgRec.Grpn[field == FieldGroep1 ? 0 : 1].Assign(trimmed);
        return;
    }
    std::string report = "Aanduiding foutief ";
    report.append(trimmed);
    ReportError({messenger, common.ErrorCode}, report, 0, 2, NoAdvice);
}

} // namespace

std::optional<int16_t> ConvertConfigNumber(std::string_view text) {
    std::string_view t = Trim(text);
    if (t.empty()) return int16_t{0};
    bool negative = false;
    if (t.front() == '+' || t.front() == '-') {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= 100000) value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(value);
}

void CheckConfigTextField(CommonState& common, ConfigState& config, Messenger& messenger,
                          Beeper& bell, int field, std::string_view text, bool check) {
    switch (field) {
    case FieldClubNaam:
        config.Config.CfgRec.ClubNaam.Assign(text);
        return;
    case FieldGroep1:
    case FieldGroep2:
        CheckGroupMark(common, config, messenger, field, text);
        return;
    case FieldNLeden:
    case FieldNDubRonden:
    case FieldNMixRonden:
    case FieldNBanen:
    case FieldNMatches:
        break;
    default:
        return;
    }
    std::optional<int16_t> converted = ConvertConfigNumber(text);
    if (!converted) bell.Beep();
    int16_t value = converted.value_or(0);
    common.ErrorCode = 0;
    if (check) {
        int code = RangeCheck(config, field, value);
        if (code > 0) {
            common.ErrorCode = code;
            ReportRange(common, messenger, code, Trim(text));
            bell.Beep();
        }
    }
    StoreNumber(config, field, value);
}

void CheckGamesField(ConfigState& config, bool checked, bool& matchChanged) {
    // Packed record fields are read and written by value: a reference could be misaligned.
    if (checked) {
        if (config.Config.CfgRec.Telling == 0) matchChanged = true;
        config.Config.CfgRec.Telling = 1;
    } else {
        config.Config.CfgRec.Telling = 0;
    }
}

void CheckOptionField(ConfigState& config, int field, bool checked) {
    uint16_t bit = field == FieldVeelWeinig ? CfgWarnCourts
                   : field == FieldHelpmess ? CfgShowProgress
                   : field == FieldBaancode ? CfgCourtCoding
                                            : 0;
    const uint16_t flags = config.Config.CfgRec.Cfgflags;
    config.Config.CfgRec.Cfgflags =
        checked ? static_cast<uint16_t>(flags | bit) : static_cast<uint16_t>(flags & ~bit);
}

bool PrepareConfigDial(CommonState& common, ConfigState& config, Messenger& messenger, bool nieuw,
                       bool memberListLoaded) {
    if (nieuw) {
        config.Config = TConfigObj{};
        DefaultConfig(common, config);
        return true;
    }
    if (!memberListLoaded) {
        messenger.Show("Geen Ledenbestand geladen", KindWaarschuwing, ButtonsOK);
        return false;
    }
    return true;
}

std::string ConfigFieldText(const ConfigState& config, int field) {
    const TCfgRec& cfg = config.Config.CfgRec;
    switch (field) {
    case FieldClubNaam:
        return cfg.ClubNaam.Str();
    case FieldNLeden:
        return std::to_string(cfg.NLeden);
    case FieldNDubRonden:
        return std::to_string(cfg.NDubRonden);
    case FieldNMixRonden:
        return std::to_string(cfg.NMixRonden);
    case FieldNBanen:
        return std::to_string(cfg.NBanen);
    case FieldGroep1:
        return cfg.Grpn[0].Str();
    case FieldGroep2:
        return cfg.Grpn[1].Str();
    case FieldNMatches:
        return std::to_string(cfg.NMatches);
    default:
        return {};
    }
}
