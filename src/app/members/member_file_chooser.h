#pragma once
// The open and save dialogs of the member file. They show ".tvs" files whatever the case of the
// extension on disk, keep the folder with the chosen name, and leave the overwrite question to
// the program's own message window. Printer set-up and font selection go to the chooser given.

#include "core/common/ports.h"

#include <QString>

class QWidget;

// "Tolvex bestand (*.tvs)" -> "Tolvex bestand (*.[tT][vV][sS])": the dialogs compare names
// case-sensitively on this platform.
QString CaseInsensitiveNameFilter(const std::string& filter);

class MemberFileChooser : public Chooser {
public:
    MemberFileChooser(Chooser& others, QWidget* parent)
        : Others(others)
        , Parent(parent) {}
    // The window the dialogs belong to, once it exists.
    void SetParent(QWidget* parent) { Parent = parent; }
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrinterSetup() override { return Others.PrinterSetup(); }
    std::optional<FontChoice> ChooseFont(const FontChoice& current) override {
        return Others.ChooseFont(current);
    }

private:
    Chooser& Others;
    QWidget* Parent;
};
