#include "core/common/file_error_report.h"

#include "core/common/file_names.h"

namespace {

constexpr uint16_t KindReadFailed = 7;
constexpr uint16_t KindWriteFailed = 8;
constexpr uint16_t AdviceTryAgain = 4;

std::string ReportedName(const FileError& error) {
    std::string text = FileNameText(error.FileName);
    text.append(" (");
    text.append(FileNameText(error.Reason));
    text.append(")");
    return text;
}

uint16_t KindOf(FileAction action) {
    return action == FileAction::Reading ? KindReadFailed : KindWriteFailed;
}

} // namespace

std::string FileErrorText(const FileError& error, FileAction action) {
    if (action == FileAction::Unknown) {
        std::string text = FileNameText(error.FileName);
        if (!error.Reason.empty()) {
            text.push_back('\r');
            text.append(FileNameText(error.Reason));
        }
        return text;
    }
    return ComposeErrorText(ReportedName(error), 0, KindOf(action), AdviceTryAgain);
}

void ReportFileError(ErrorSink sink, const FileError& error, FileAction action) {
    if (action == FileAction::Unknown) {
        sink.Msg.Show(FileErrorText(error, action), KindFout, ButtonsOK);
        return;
    }
    ReportError(sink, ReportedName(error), 0, KindOf(action), AdviceTryAgain);
}
