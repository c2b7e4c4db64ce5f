#pragma once
// What the member-file operations need from the main window. The app fills it in; tests record.

#include <string>

class MemberFileView {
public:
    virtual ~MemberFileView() = default;
    // Status bar panel 1, the name panel.
    virtual void ShowMemberFileName(const std::string& name) = 0;
    // The menu item "&Nieuw".
    virtual void SetNieuwEnabled(bool enabled) = 0;
    // The file menu items that need a loaded list (after a successful open).
    virtual void EnableFileCommands() = 0;
    // When the member grid is visible: copies every grid row back into MemberList, with the
    // grid's checks. Does nothing while the grid is hidden.
    virtual void GridToList() = 0;
    // Shows MemberList in the member grid in the normal view.
    virtual void OpenLedenInput() = 0;
    // The screen font of the main window and the printer canvas font (size 0: none chosen).
    virtual void ApplyFonts(const std::string& screenName, int screenSize,
                            const std::string& printerName, int printerSize) = 0;
};
