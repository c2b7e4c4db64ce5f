#include "core/members/member_fields.h"

#include <charconv>

std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

std::optional<long> ParseWholeNumber(std::string_view text, long lowest, long highest) {
    std::string trimmed = TrimBlanks(text);
    std::string_view digits = trimmed;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 12) return std::nullopt;
    long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (negative) value = -value;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

CellConversionError::CellConversionError(const std::string& cellText)
    : std::runtime_error(ConversionErrorText(cellText))
    , CellText(cellText) {}

std::string ConversionErrorText(std::string_view cellText) {
    std::string text = "'";
    text.append(cellText);
    text.append("' is geen geldig geheel getal");
    return text;
}

bool CheckClubNr(std::string_view nummer) {
    return !TrimBlanks(nummer).empty();
}

bool CheckNewGroep(std::string_view grp, std::string_view statcd, const TCfgRec& cfg) {
    std::string group = TrimBlanks(grp);
    if (SameTextAscii(group, cfg.Grpn[0].View()) || SameTextAscii(group, cfg.Grpn[1].View()))
        return true;
    return group.empty() && statcd == "-";
}

bool CheckNewStat(std::string_view actie) {
    std::string status = TrimBlanks(actie);
    if (status.size() != 1) return true;
    static constexpr std::string_view Allowed = " -123456789ABCDEFGHIXabcdefghix";
    return Allowed.find(status[0]) != std::string_view::npos;
}

bool NormaliseStatusCode(TLidRec& rec) {
    auto& status = rec.StatCode;
    std::size_t length = status.Size();
    if (length >= 1 && status.Chars[0] >= 'a' && status.Chars[0] <= 'z')
        status.Chars[0] = static_cast<char>(status.Chars[0] - 'a' + 'A');
    bool capped = false;
    if (length == 3 && static_cast<unsigned char>(status.Chars[1]) > '2') {
        status.Chars[1] = '2';
        capped = true;
    }
    // The schedule reads the second status byte whatever the length: a one-character status must
    // not keep an old second character.
    if (length == 1) {
        status.Chars[1] = ' ';
        status.Chars[2] = ' ';
    }
    return capped;
}

void StoreStatusCode(TLidRec& rec, std::string_view status) {
    rec.StatCode = status;
    if (rec.StatCode.Size() == 1) {
        rec.StatCode.Chars[1] = ' ';
        rec.StatCode.Chars[2] = ' ';
    }
}
