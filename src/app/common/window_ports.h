#pragma once
// Everything a window needs to reach the person and the machine, handed to it at construction.
// The program fills it with the Qt implementations, tests with the scripted fakes.

#include "app/common/help_requests.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"

class PrintDialogs;

struct WindowPorts {
    Messenger& Msg;
    EventPump& Pump;
    Beeper& Bell;
    Clock& Time;
    Chooser& Choose;
    PrintCanvas& Printer;
    HelpRequests& Help;
    // The open and save dialogs of the member file; the plain chooser when none is given (the
    // tests answer both from one queue).
    Chooser* MemberFiles = nullptr;
    // The print file and preview dialogs of the Qt printer; without them (a recording canvas in
    // the tests) there is no file to ask for and no preview.
    PrintDialogs* Printing = nullptr;
};
