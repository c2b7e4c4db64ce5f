#pragma once
// Records hold Windows-1252 bytes; the windows and JSON speak UTF-8. These two conversions are
// the only place where the two meet.

#include <string>
#include <string_view>

// Every byte maps to a character; the five bytes that Windows-1252 leaves undefined map to the
// C1 control of the same value, so a round trip keeps every byte.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters outside Windows-1252 (and malformed UTF-8) become '?'.
std::string Utf8ToWindows1252(std::string_view utf8);
