#pragma once
// What printing on the Qt printer adds to the print commands: the file name of a PDF file as
// printer, and the print preview of a layout.

#include "core/common/ports.h"
#include "core/common/print_canvas.h"

#include <functional>
#include <string>
#include <string_view>

class QtPrintCanvas;
class QWidget;

// Asks for the PDF file to print to (the last one is offered again); false when cancelled.
bool ChoosePdfFile(QtPrintCanvas& canvas, Chooser& chooser);

// The print preview of a layout on the program's printer, as it would print now. The layout is
// run once per preview page set-up; a failure shows " Afdrukken niet gelukt". The preview has no
// page set-up, and its print button only closes it: the result is true when it was pressed, and
// the caller then runs its own print command (with its question, its refusal without a printer
// and the chosen printer).
bool ShowPrintPreview(QtPrintCanvas& canvas, Messenger& messenger, QWidget* parent,
                      std::string_view title, const std::function<void()>& layout);

// The preview window while it is open (tests look at it and close it).
QWidget* OpenPrintPreview();
