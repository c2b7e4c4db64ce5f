#include "app/common/print_dialogs.h"

#include "app/common/qt_print_canvas.h"
#include "app/common/qt_print_preview.h"

bool PrintDialogs::ChoosePrintFile() {
    if (!Canvas.PrintsToFile()) return true;
    return ChoosePdfFile(Canvas, Files);
}

bool PrintDialogs::Preview(Messenger& messenger, QWidget* parent, std::string_view title,
                           const std::function<void()>& layout) {
    return ShowPrintPreview(Canvas, messenger, parent, title, layout);
}
