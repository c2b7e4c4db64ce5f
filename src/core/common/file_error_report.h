#pragma once
// How a failure of the file system is worded in the message window. Every command that catches
// a FileError reports it here, so the user reads one form whichever window started the work.

#include "core/common/error_report.h"
#include "core/common/file_error.h"

#include <string>

enum class FileAction {
    Reading, // " Inlezen NIET gelukt"
    Writing, // " Wegschrijven NIET gelukt"
    Unknown, // an error nobody caught: the file name and the system's reason only
};

// "<file> (<reason>) Wegschrijven NIET gelukt\n\r probeer opnieuw of controleer file" for a
// read or a write; "<file>\r<reason>" when the action is unknown. The file name and the reason
// (UTF-8, as the system gives them) are shown in the program's own character set.
std::string FileErrorText(const FileError& error, FileAction action);

// Shows the text and leaves the kind of the failure (7 reading, 8 writing) in the error code.
void ReportFileError(ErrorSink sink, const FileError& error, FileAction action);
