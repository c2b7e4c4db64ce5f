#pragma once
// The one way a window prints a printout or shows its preview.

#include "app/common/print_dialogs.h"
#include "core/common/ports.h"
#include "core/config/config_records.h"

#include <functional>
#include <string>

class QWidget;

enum class PrintMode { Print, Preview };

// One printout as a window hands it over.
struct PrintoutCommands {
    std::string Title;
    // The print command of the core: chooses the printer, refuses without one, asks, and prints;
    // chooseTarget runs after the question and may stop the job.
    std::function<void(const std::function<bool()>& chooseTarget)> Print;
    // Selects and measures the printer as the print command does, without its questions.
    std::function<void()> SelectPrinter;
    // The layout alone, into an open job.
    std::function<void()> Layout;
};

// Print runs the print command (a PDF printer asks for its file after the question). Preview
// selects the printer and shows the layout as it would print now; laying it out may take the
// printer's margin and line height into the print settings, which the preview shows but does not
// keep for the next save. The preview's print button runs the print command, with its question
// and its refusal without a printer. Without dialogs there is no file to ask and no preview.
void PrintOrPreview(PrintMode mode, const PrintoutCommands& printout, TPrnCFGRec& settings,
                    Messenger& messenger, PrintDialogs* dialogs, QWidget* parent);
