#include "app/common/qt_print_preview.h"

#include "app/common/qt_print_canvas.h"
#include "app/common/qt_text.h"
#include "core/config/print_job.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QPointer<QPrintPreviewDialog> CurrentPreview;

// The dialog's own print button would print past the program's question onto a printer chosen in
// its own dialog, and its page set-up and orientation buttons would show a paper that the print
// options do not print on. The buttons are found by their texts, which the dialog takes from the
// same translation.
void RoutePreviewButtons(QPrintPreviewDialog& dialog, const std::function<void()>& print) {
    auto dialogText = [](const char* text) {
        return QCoreApplication::translate("QPrintPreviewDialog", text);
    };
    const QString printText = dialogText("Print");
    const QStringList paperTexts = {dialogText("Page setup"), dialogText("Portrait"),
                                    dialogText("Landscape")};
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (paperTexts.contains(action->text())) {
            action->setVisible(false);
        } else if (action->text() == printText) {
            action->setObjectName("PreviewPrintAction");
            // Without its own connection gone the button would still print around the rules: then
            // the preview has no print button at all.
            if (!QObject::disconnect(action, nullptr, &dialog, nullptr)) {
                action->setVisible(false);
                continue;
            }
            QObject::connect(action, &QAction::triggered, &dialog, print);
        }
    }
}

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

bool ShowPrintPreview(QtPrintCanvas& canvas, Messenger& messenger, QWidget* parent,
                      std::string_view title, const std::function<void()>& layout) {
    QPrintPreviewDialog dialog(&canvas.Device(), parent);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle(QString("Afdrukvoorbeeld - ") + ToQt(title));
    std::string docTitle(title);
    // The preview paints on the program's own printer, so the canvas keeps its font and metrics.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter*) { RunPrintJob(messenger, canvas, docTitle, layout); });
    bool printChosen = false;
    RoutePreviewButtons(dialog, [&] {
        printChosen = true;
        dialog.accept();
    });
    CurrentPreview = &dialog;
    dialog.exec();
    CurrentPreview = nullptr;
    return printChosen;
}

QWidget* OpenPrintPreview() {
    return CurrentPreview.data();
}
