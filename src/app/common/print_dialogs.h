#pragma once
// The dialogs of a print job on the program's Qt printer, handed to the windows like the member
// file's dialogs: the PDF file of the "PDF-bestand" printer, asked after the print question, and
// the print preview. A window without them prints on its canvas as it is and shows no preview.

#include "core/common/ports.h"

#include <functional>
#include <string_view>

class QtPrintCanvas;
class QWidget;

class PrintDialogs {
public:
    PrintDialogs(QtPrintCanvas& canvas, Chooser& files)
        : Canvas(canvas)
        , Files(files) {}

    // The PDF file to print to when the chosen printer is "PDF-bestand" (the last one is offered
    // again); true at once for any other printer, false when cancelled.
    bool ChoosePrintFile();

    // The preview of a layout on the printer, as it would print now (see ShowPrintPreview):
    // true when its print button was pressed.
    bool Preview(Messenger& messenger, QWidget* parent, std::string_view title,
                 const std::function<void()>& layout);

private:
    QtPrintCanvas& Canvas;
    Chooser& Files;
};
