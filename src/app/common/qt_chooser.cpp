#include "app/common/qt_chooser.h"

#include "app/common/qt_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

std::optional<std::string> QtChooser::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(Parent, ToQt(request.Title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters = ToQt(request.Filter).split(u'\n', Qt::SkipEmptyParts);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.DefaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.DefaultExtension));
    if (save && !request.ConfirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.InitialName.empty()) {
        QFileInfo initial(PathToQt(request.InitialName));
        if (initial.path() != ".") dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQt(dialog.selectedFiles().first());
}

std::optional<std::string> QtChooser::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> QtChooser::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

bool QtChooser::PrinterSetup() {
    QPrintDialog dialog(&Printer, Parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<FontChoice> QtChooser::ChooseFont(const FontChoice& current) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, QFont(ToQt(current.Name), current.Size), Parent);
    if (!ok) return std::nullopt;
    return FontChoice{FromQt(chosen.family()),
                      chosen.pointSize() > 0 ? chosen.pointSize() : current.Size};
}
