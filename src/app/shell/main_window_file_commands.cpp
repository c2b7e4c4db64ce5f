// The main window's file commands: "&Nieuw", "&Open", "Configuratie", "&Bewaren",
// "Bewaren &als..." (menu items and tool buttons), the grid's "&Red", saving while closing, and
// a member file named on the command line. The work is the core's member-file operations
// (MemberFileCommands); this file hands them the main window's pieces.

#include "app/config/config_dialog.h"
#include "app/members/member_file_commands.h"
#include "app/shell/main_window.h"
#include "core/common/file_error_report.h"
#include "core/config/config_file.h"
#include "core/members/member_file.h"

MemberFileCommands& TTolvex12::FileCommands() {
    if (FileCommandsPart) return *FileCommandsPart;
    ConfigDial = std::make_unique<TConfigDial>(State, Ports.Msg, Ports.Bell, this);
    Chooser& files = Ports.MemberFiles ? *Ports.MemberFiles : Ports.Choose;
    FileCommandsPart = std::make_unique<MemberFileCommands>(State, Ports.Msg, files, *ConfigDial);
    MemberFileCommands& commands = *FileCommandsPart;
    commands.ShowNamePanel = [this](const QString& name) { SetStatusPanel(1, name); };
    commands.SetNieuw = [this](bool enabled) { EnableNieuw(enabled); };
    commands.EnableFileMenu = [this] { EnableMenuItems(true); };
    // Another member file: the reports of the last schedule are put away with their menu.
    commands.DisableReportMenu = [this] {
        CloseResultsForm();
        EnableUitVoerItems(false);
    };
    // OpenLedenInput: the member grid fills itself and the window enters the list state.
    commands.ShowMemberGrid = [this] { OpenLedenInput(); };
    // While the grid is visible, its rows go back into MemberList before every save; a number
    // cell that is none stops the save.
    commands.CopyGridToList = [this] { GridToList(); };
    commands.ApplyScreenFont = [this](const QString&, int size) {
        QFont windowFont = font();
        windowFont.setPointSize(size);
        setFont(windowFont);
    };
    commands.SetMaximised = [this](bool maximised) { ApplyMaximised(maximised); };
    // The printers are those the print commands choose from, "PDF-bestand" included: a stored
    // PDF choice survives on a system without printers of its own.
    commands.HasPrinters = [this] { return !Ports.Printer.Printers().empty(); };
    return commands;
}

void TTolvex12::Nieuw1Click() {
    FileCommands().Nieuw();
}

void TTolvex12::Open1Click() {
    FileCommands().Open();
}

void TTolvex12::OpenFileFromCommandLine(const QString& fileName) {
    FileCommands().OpenNamed(fileName);
}

void TTolvex12::Bewaren1Click() {
    FileCommands().Save(false);
}

void TTolvex12::Bewarenals1Click() {
    FileCommands().Save(true);
}

void TTolvex12::SaveBtnClick() {
    FileCommands().SaveForGrid();
}

bool TTolvex12::ClubNumbersUnique() {
    return CheckUniqueClubNumbers(State.Members, Ports.Msg);
}

void TTolvex12::SaveListOnClose() {
    FileCommands().SaveWhileClosing();
}

void TTolvex12::ConfigutratieClick() {
    FileCommands().OpenConfigDial(false);
}

void TTolvex12::SaveConfigOfList() {
    try {
        SaveConfig(State.Common, State.Configuration, Ports.Msg, State.Members.MemberFileName);
    } catch (const FileError& e) {
        ReportFileError({Ports.Msg, State.Common.ErrorCode}, e, FileAction::Writing);
    }
}
