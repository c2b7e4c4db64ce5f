#include "app/common/print_or_preview.h"

void PrintOrPreview(PrintMode mode, const PrintoutCommands& printout, TPrnCFGRec& settings,
                    Messenger& messenger, PrintDialogs* dialogs, QWidget* parent) {
    if (mode == PrintMode::Preview) {
        printout.SelectPrinter();
        const TPrnCFGRec kept = settings;
        const bool print =
            dialogs && dialogs->Preview(messenger, parent, printout.Title, printout.Layout);
        settings = kept;
        if (!print) return;
    }
    std::function<bool()> chooseTarget;
    if (dialogs) chooseTarget = [dialogs] { return dialogs->ChoosePrintFile(); };
    printout.Print(chooseTarget);
}
