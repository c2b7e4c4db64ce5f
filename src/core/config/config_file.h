#pragma once
// The configuration file beside every member file: one TConfigObj image of 268 bytes.

#include "core/common/byte_reader.h"
#include "core/common/common_state.h"
#include "core/common/file_system.h"
#include "core/common/ports.h"
#include "core/config/config_host.h"
#include "core/config/config_state.h"

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t ConfigFileSize = sizeof(TConfigObj);

// The configuration dialog's own font, which a new configuration takes for the printer.
inline constexpr int DialogFontSize = 8;
inline constexpr std::string_view DialogFontName = "MS Sans Serif";

// Print settings that a short or damaged file leaves at zero and that printing divides by.
inline constexpr uint16_t DefaultLineHeight = 50;
inline constexpr uint16_t DefaultLinesPerPage = 61;
inline constexpr uint16_t DefaultPixPerCm = 118;

// Plain read of the three blocks (4, 61 and 203 bytes): what the image lacks stays as it was.
// Returns the number of bytes taken.
std::size_t ReadfromStream(TConfigObj& config, ByteReader& in);
// The three blocks in file order.
void SavetoStream(const TConfigObj& config, std::string& out);

// The companion ".cfg" of a member file.
std::string ConfigNameFor(std::string_view memberFileName);

void DefaultConfig(CommonState& common, ConfigState& config);
void ApplyTelling(ConfigState& config);
void ApplyPreferent(ConfigState& config, ConfigHost& host);

// Loads the configuration beside the member file being opened; a missing or unusable file is
// reported and replaced by a fresh one through the dialog. A file that exists but cannot be read
// raises FileError and leaves the configuration as it was.
void LoadConfig(CommonState& common, ConfigState& config, Messenger& messenger, ConfigHost& host,
                const std::string& memberFileName);
// The same on a file image already in memory (the loader's whole logic, for untrusted bytes).
void LoadConfigFromBytes(CommonState& common, ConfigState& config, Messenger& messenger,
                         ConfigHost& host, std::string_view bytes);

// Writes the configuration beside the member file; nothing while the list has no file name.
// Raises FileError when the file cannot be written; the old file then stays as it was.
void SaveConfig(CommonState& common, ConfigState& config, Messenger& messenger,
                const std::string& memberFileName, FileSystem& files = SystemFiles());
