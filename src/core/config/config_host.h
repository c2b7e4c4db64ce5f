#pragma once
// What the configuration operations need from the windows: the configuration dialog, which
// loading opens from inside the operation, the printer list and the main window's size.

class ConfigHost {
public:
    virtual ~ConfigHost() = default;
    // Shows the configuration dialog: with nieuw on a fresh default configuration (which it
    // creates first), otherwise on the loaded one. Sets ConfigOK to whether it closed with OK.
    virtual void OpenConfigDial(bool nieuw) = 0;
    // The system has at least one printer.
    virtual bool PrinterPresent() = 0;
    // Maximises the main window or sets it to normal size, with the window-size menu item's
    // caption to match ("Normaal scherm" / "Maximaal scherm").
    virtual void ShowMainWindowMaximised(bool maximised) = 0;
};
