#include "app/members/member_file_commands.h"

#include "app/config/config_dialog.h"
#include "core/common/windows1252.h"
#include "core/members/member_file.h"

#include <QFile>

MemberFileCommands::MemberFileCommands(AppState& state, Messenger& messenger, Chooser& chooser,
                                       TConfigDial& dialog)
    : State(state)
    , Msg(messenger)
    , Files(chooser)
    , Dialog(dialog) {
    Dialog.OnCancel = [this] { SetNieuwEnabled(true); };
}

void MemberFileCommands::Nieuw() {
    NewLedenInput(State.Configuration, State.Members, Msg, *this, *this);
}

void MemberFileCommands::Open() {
    OpenMemberFile(State.Common, State.Configuration, State.Members, Msg, Files, *this, *this);
    AfterOpen();
}

void MemberFileCommands::OpenNamed(const QString& fileName) {
    OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Msg, *this, *this,
                        QFile::encodeName(fileName).toStdString());
    AfterOpen();
}

void MemberFileCommands::AfterOpen() {
    if (!State.Members.MemberDataPresent) return;
    OpenLedenInput();
    if (DisableReportMenu) DisableReportMenu();
}

void MemberFileCommands::Save(bool saveAs) {
    RunSaveCommand(State.Common, State.Configuration, State.Members, Msg, Files, *this,
                   saveAs ? SaveCommand::BewarenAls : SaveCommand::Bewaren);
}

bool MemberFileCommands::SaveForGrid() {
    return RunSaveCommand(State.Common, State.Configuration, State.Members, Msg, Files, *this,
                          SaveCommand::Red);
}

bool MemberFileCommands::SaveWhileClosing() {
    return RunSaveCommand(State.Common, State.Configuration, State.Members, Msg, Files, *this,
                          SaveCommand::SluitBewaren);
}

void MemberFileCommands::ShowMemberFileName(const std::string& name) {
    // File names are the file system's bytes, not Windows-1252 text.
    if (ShowNamePanel) ShowNamePanel(QFile::decodeName(name.c_str()));
}

void MemberFileCommands::SetNieuwEnabled(bool enabled) {
    if (SetNieuw) SetNieuw(enabled);
}

void MemberFileCommands::EnableFileCommands() {
    if (EnableFileMenu) EnableFileMenu();
}

void MemberFileCommands::GridToList() {
    if (CopyGridToList) CopyGridToList();
}

void MemberFileCommands::OpenLedenInput() {
    // Until the member grid exists the list is only numbered as the grid would show it.
    for (std::size_t i = 1; i < State.Members.MemberList.size(); ++i)
        State.Members.MemberList[i].LidRecord.Indx = static_cast<uint16_t>(i);
    if (EnableFileMenu) EnableFileMenu();
    if (ShowMemberGrid) ShowMemberGrid();
}

void MemberFileCommands::ApplyFonts(const std::string& screenName, int screenSize,
                                    const std::string&, int) {
    // The printer canvas takes its font when printing starts (PrnCfg and PrnFontSet).
    if (ApplyScreenFont && screenSize > 0)
        ApplyScreenFont(QString::fromStdString(Windows1252ToUtf8(screenName)), screenSize);
}

void MemberFileCommands::OpenConfigDial(bool nieuw) {
    Dialog.OpenConfigDial(nieuw);
}

bool MemberFileCommands::PrinterPresent() {
    if (HasPrinters) return HasPrinters();
    // "PDF-bestand" follows the system's printers on every system, so a list is never empty.
    return true;
}

void MemberFileCommands::ShowMainWindowMaximised(bool maximised) {
    if (SetMaximised) SetMaximised(maximised);
}
