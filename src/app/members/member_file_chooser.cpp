#include "app/members/member_file_chooser.h"

#include "core/common/windows1252.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

QString CaseInsensitiveNameFilter(const std::string& filter) {
    QString text = QString::fromStdString(Windows1252ToUtf8(filter));
    // Only the patterns inside the parentheses change; the description stays as written.
    qsizetype open = text.lastIndexOf('(');
    qsizetype close = text.lastIndexOf(')');
    if (open < 0 || close < open) return text;
    QString patterns = text.mid(open + 1, close - open - 1);
    QString result;
    for (QChar c : patterns) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QString("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            result += c;
    }
    return text.left(open + 1) + result + text.mid(close);
}

namespace {

std::optional<std::string> Run(QWidget* parent, const FileDialogRequest& request, bool saving) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(CaseInsensitiveNameFilter(request.Filter));
    if (!request.Title.empty())
        dialog.setWindowTitle(QString::fromStdString(Windows1252ToUtf8(request.Title)));
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program asks its own question before it overwrites.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExtension));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // A wildcard as initial name is what the filter already says; a real name is preselected.
    QString initial = QFile::decodeName(request.InitialName.c_str());
    if (!initial.contains('*')) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The full name, folder included, in the file system's own encoding: the core opens the
    // file by these bytes.
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

} // namespace

std::optional<std::string> MemberFileChooser::OpenFile(const FileDialogRequest& request) {
    return Run(Parent, request, false);
}

std::optional<std::string> MemberFileChooser::SaveFile(const FileDialogRequest& request) {
    return Run(Parent, request, true);
}
