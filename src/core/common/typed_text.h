#pragma once
// Text as the user types it into a box or a cell: trimming, letter case and whole numbers. The
// texts are Windows-1252 bytes; only the ASCII letters change case.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The text without leading and trailing blanks and control characters.
std::string TrimBlanks(std::string_view text);

// Only the letters a..z change; other bytes are kept as they are.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

// A whole number as typed in a box or a cell: blanks around it, an optional sign, digits. Numbers
// that do not fit the field are no valid number either.
std::optional<long> ParseWholeNumber(std::string_view text, long lowest, long highest);

// A cell that should hold a whole number and does not: the commit that met it stops.
class CellConversionError : public std::runtime_error {
public:
    explicit CellConversionError(const std::string& cellText);
    std::string CellText;
};

// The text of the conversion failure, as the user reads it.
std::string ConversionErrorText(std::string_view cellText);
