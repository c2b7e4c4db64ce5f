#include "core/reports/report_text.h"

std::string_view TrimText(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string Cut(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string Decimal(long long v) {
    return std::to_string(v);
}

std::string Str(long long v, int w) {
    std::string digits = std::to_string(v);
    if (static_cast<int>(digits.size()) < w) digits.insert(0, w - digits.size(), ' ');
    return digits;
}

std::string PlayerName(const NameList& list, int p) {
    if (p < 1 || p > MaxGroupPlayers) return ",";
    const TNaamRec& rec = list[p].NaamRec;
    std::string name(TrimText(rec.Voornaam.View()));
    name += ',';
    name += TrimText(rec.AchterNaam.View());
    return name;
}

int32_t CourtCode(const std::array<int32_t, 33>& baanCode, int c) {
    return c >= 1 && c <= MaxCourts ? baanCode[c] : c;
}

std::string CourtText(const std::array<int32_t, 33>& baanCode, int c) {
    return Cut("   " + Decimal(CourtCode(baanCode, c)), 12);
}
