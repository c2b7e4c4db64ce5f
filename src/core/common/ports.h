#pragma once
// The interfaces through which the core reaches a person and the machine. The app implements them
// with Qt; tests implement them with scripted fakes (tests/support).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Kinds of the message window: they set its caption and icon.
enum MessageKind : uint8_t {
    KindWaarschuwing = 0,
    KindFout = 1,
    KindInformatie = 2,
    KindBevestig = 3,
    KindTitle = 4, // the application's title, no icon
};

// Button sets are bit sets over the thirteen buttons of the message window.
enum MessageButtons : uint16_t {
    BtnBij = 1,
    BtnAf = 2,
    BtnJa = 4,
    BtnNee = 8,
    BtnOK = 16,
    BtnSchrap = 32,
    BtnAfbreken = 64,
    BtnOpnieuw = 128,
    BtnNegeer = 256,
    BtnAlle = 512,
    BtnNeeVoorAlle = 1024,
    BtnJaVoorAlle = 2048,
    BtnHelp = 4096,
    ButtonsOK = BtnOK,
    ButtonsJaNee = BtnJa | BtnNee,
};

// Result codes of the message window (the toolkit's modal results).
enum MessageResult : int {
    ResultNone = 0,
    ResultOK = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7,
    ResultAll = 12,
    ResultNoToAll = 13,
    ResultYesToAll = 14,
};

// The message window. Texts are Windows-1252 bytes, exactly as the user is to read them.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual int Show(std::string_view text, uint8_t kind, uint16_t buttons,
                     int helpContext = 0) = 0;
};

// Lets the user interface breathe during long work, and gives fixed pauses.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Called very often (after every candidate of a search): the app decides when to really
    // run its event loop, so this must stay cheap.
    virtual void ProcessEvents() = 0;
    // A pause during which messages stay visible and events are processed (100 ms, 500 ms).
    virtual void Delay(int milliseconds) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

struct CalendarDate {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    bool operator==(const CalendarDate&) const = default;
};

struct ClockTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate Today() = 0;
    virtual ClockTime Now() = 0;
    // Seed for the one random element of the program, the member shuffle.
    virtual uint32_t RandomSeed() = 0;
};

// The common dialogs. An empty result means the user cancelled.
struct FileDialogRequest {
    std::string Title;
    std::string InitialName;      // full path or bare name
    std::string Filter;           // "Tolvex bestanden (*.tvs)" style, one entry per line
    std::string DefaultExtension; // without the dot
    // Saving: false when the caller asks its own question about the name it will really write.
    bool ConfirmOverwrite = true;
};

struct FontChoice {
    std::string Name;
    int Size = 10;
};

class Chooser {
public:
    virtual ~Chooser() = default;
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    // Printer set-up; true when the user confirmed.
    virtual bool PrinterSetup() = 0;
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& current) = 0;
};
