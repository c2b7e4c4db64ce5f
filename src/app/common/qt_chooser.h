#pragma once
// The common dialogs of the platform: open and save file, printer set-up, font. They speak Dutch
// through Qt's own translations.

#include "core/common/ports.h"

class QPrinter;
class QWidget;

class QtChooser : public Chooser {
public:
    QtChooser(QPrinter& printer, QWidget* parent = nullptr)
        : Printer(printer)
        , Parent(parent) {}
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrinterSetup() override;
    std::optional<FontChoice> ChooseFont(const FontChoice& current) override;

    void SetParent(QWidget* parent) { Parent = parent; }

private:
    std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);

    QPrinter& Printer;
    QWidget* Parent;
};
