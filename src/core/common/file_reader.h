#pragma once
// Reading a file into memory for the loaders.

#include "core/common/file_system.h"

#include <cstddef>
#include <string>

// The first maxBytes bytes of the file (all of it when shorter). A file that cannot be opened or
// read raises FileError with the file name and the system's reason.
std::string ReadFilePrefix(const std::string& fileName, std::size_t maxBytes,
                           FileSystem& files = SystemFiles());

// True when a file (or anything else) of that name exists.
bool FileExists(const std::string& fileName, FileSystem& files = SystemFiles());
