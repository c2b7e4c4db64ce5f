#include "core/common/typed_text.h"

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

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
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
