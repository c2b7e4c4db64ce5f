#pragma once
// The one exception type for failures of the file system: it carries the file name and the
// system's reason, and is caught where a window started the operation.

#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
public:
    FileError(std::string fileName, std::string reason)
        : std::runtime_error(fileName + ": " + reason)
        , FileName(std::move(fileName))
        , Reason(std::move(reason)) {}

    std::string FileName;
    std::string Reason;
};
