#pragma once
// File names: the bare name, the text a message shows, extensions and backup names.

#include <string>
#include <string_view>

// The file name without its folder; "N_N" when that is empty.
std::string SplitFileName(std::string_view fullName);

// File names are kept as the file system spells them (UTF-8); a message shows them in the
// program's own character set.
std::string FileNameText(std::string_view fileName);

// The file name with its extension (the part from the last dot of the bare name) replaced.
std::string ReplaceExtension(std::string_view fileName, std::string_view extension);

// Backup extensions 1..3: ".~tv", ".~cf", ".~ca".
std::string_view BackupExtension(int number);
