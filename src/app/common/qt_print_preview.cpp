#include "app/common/qt_print_preview.h"

#include "app/common/qt_print_canvas.h"
#include "app/common/qt_text.h"
#include "core/config/print_job.h"

#include <QFileInfo>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QPointer<QPrintPreviewDialog> CurrentPreview;

} // namespace

bool ChoosePdfFile(QtPrintCanvas& canvas, Chooser& chooser) {
    FileDialogRequest request;
    request.Title = "Afdrukken naar PDF-bestand";
    request.InitialName =
        canvas.OutputFile().isEmpty() ? std::string("*.pdf") : PathFromQt(canvas.OutputFile());
    request.Filter = "PDF-bestanden (*.pdf)";
    request.DefaultExtension = "pdf";
    std::optional<std::string> chosen = chooser.SaveFile(request);
    if (!chosen) return false;
    QString fileName = PathToQt(*chosen);
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += ".pdf";
    canvas.SetOutputFile(fileName);
    return true;
}

bool ChoosePrintTarget(PrintCanvas& canvas, Chooser& chooser) {
    auto* qtCanvas = dynamic_cast<QtPrintCanvas*>(&canvas);
    if (!qtCanvas || !qtCanvas->PrintsToFile()) return true;
    return ChoosePdfFile(*qtCanvas, chooser);
}

void ShowPrintPreview(PrintCanvas& canvas, Messenger& messenger, QWidget* parent,
                      std::string_view title, const std::function<void()>& layout) {
    auto* qtCanvas = dynamic_cast<QtPrintCanvas*>(&canvas);
    if (!qtCanvas) return;
    QPrintPreviewDialog dialog(&qtCanvas->Device(), parent);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle(QString("Afdrukvoorbeeld - ") + ToQt(title));
    std::string docTitle(title);
    // The preview paints on the program's own printer, so the canvas keeps its font and metrics.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter*) { RunPrintJob(messenger, canvas, docTitle, layout); });
    CurrentPreview = &dialog;
    dialog.exec();
    CurrentPreview = nullptr;
}

QWidget* OpenPrintPreview() {
    return CurrentPreview.data();
}
