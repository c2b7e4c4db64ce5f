#pragma once
// The file commands of the main window ("&Nieuw", "&Open", "&Bewaren", "Bewaren &als...", the
// save tool button, a file named on the command line) on the core's member-file operations. The
// main window hands over its pieces through the hooks below, so this class knows no main window.

#include "core/common/ports.h"
#include "core/config/config_host.h"
#include "core/members/member_file_view.h"
#include "state/app_state.h"

#include <QString>
#include <functional>

class TConfigDial;

class MemberFileCommands : public MemberFileView, public ConfigHost {
public:
    MemberFileCommands(AppState& state, Messenger& messenger, Chooser& chooser,
                       TConfigDial& dialog);

    // The commands.
    void Nieuw();
    void Open();
    void OpenNamed(const QString& fileName); // a member file named on the command line
    void Save(bool saveAs);                  // "&Bewaren" / "Bewaren &als..." and their buttons
    // The grid's "&Red" and F3, and saving while closing (answered Yes to "Bestand bewaren ?").
    bool SaveForGrid();
    bool SaveWhileClosing();

    // Hooks the main window fills in. Every one may stay empty.
    std::function<void(const QString&)> ShowNamePanel; // status bar panel 1
    std::function<void(bool enabled)> SetNieuw;        // "&Nieuw"
    std::function<void()> EnableFileMenu;              // the items that need a loaded list
    std::function<void()> DisableReportMenu;           // after a new list has been opened
    // The member grid: shows MemberList in the normal view.
    std::function<void()> ShowMemberGrid;
    // The member grid, when visible, copies its rows back into MemberList.
    std::function<void()> CopyGridToList;
    std::function<void(const QString& name, int size)> ApplyScreenFont;
    std::function<void(bool maximised)> SetMaximised;
    // Whether there is a printer to choose from; left empty, there always is ("PDF-bestand").
    std::function<bool()> HasPrinters;

    // MemberFileView
    void ShowMemberFileName(const std::string& name) override;
    void SetNieuwEnabled(bool enabled) override;
    void EnableFileCommands() override;
    void GridToList() override;
    void OpenLedenInput() override;
    void ApplyFonts(const std::string& screenName, int screenSize, const std::string& printerName,
                    int printerSize) override;
    // ConfigHost
    void OpenConfigDial(bool nieuw) override;
    bool PrinterPresent() override;
    void ShowMainWindowMaximised(bool maximised) override;

private:
    void AfterOpen();

    AppState& State;
    Messenger& Msg;
    Chooser& Files;
    TConfigDial& Dialog;
};
