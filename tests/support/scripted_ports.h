#pragma once
// Fakes of the core's ports: every message is recorded with its kind and buttons, questions are
// answered from a queue, and a question nobody expected fails the test.

#include "core/common/ports.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string Text;
    uint8_t Kind;
    uint16_t Buttons;
};

class ScriptedMessenger : public Messenger {
public:
    int Show(std::string_view text, uint8_t kind, uint16_t buttons, int helpContext = 0) override;

    // Queues the answer to the next question (a message with more than the OK button).
    void Answer(int result) { Answers.push_back(result); }
    std::vector<std::string> Texts() const;
    const ShownMessage& Last() const { return Shown.back(); }
    void Clear() { Shown.clear(); }

    std::vector<ShownMessage> Shown;
    std::deque<int> Answers;
    // Called with the text of a question that found no queued answer; the default throws, which
    // fails the test that caused it.
    std::function<void(const std::string&)> OnUnexpectedQuestion;
    // The answer given to an unexpected question once OnUnexpectedQuestion returned.
    int UnexpectedAnswer = ResultNo;
};

class CountingPump : public EventPump {
public:
    void ProcessEvents() override {
        ++Calls;
        if (OnProcess) OnProcess(Calls);
    }
    void Delay(int milliseconds) override { Delays.push_back(milliseconds); }

    long long Calls = 0;
    std::vector<int> Delays;
    // Lets a test press the stop button after a number of event rounds.
    std::function<void(long long calls)> OnProcess;
};

class CountingBeeper : public Beeper {
public:
    void Beep() override { ++Beeps; }
    int Beeps = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate today = {2026, 12, 9})
        : Date(today) {}
    CalendarDate Today() override { return Date; }
    ClockTime Now() override { return TimeOfDay; }
    uint32_t RandomSeed() override { return Seed; }

    CalendarDate Date;
    ClockTime TimeOfDay{20, 15, 0};
    uint32_t Seed = 12345;
};

// File dialogs answered from queues; an empty optional is a cancel.
class ScriptedChooser : public Chooser {
public:
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrinterSetup() override;
    std::optional<FontChoice> ChooseFont(const FontChoice& current) override;

    std::deque<std::optional<std::string>> OpenAnswers;
    std::deque<std::optional<std::string>> SaveAnswers;
    std::deque<bool> PrinterAnswers;
    std::deque<std::optional<FontChoice>> FontAnswers;
    std::vector<FileDialogRequest> Requests;
};

// A complete set of fakes.
struct TestPorts {
    ScriptedMessenger Messages;
    CountingPump Pump;
    CountingBeeper Bell;
    FixedClock Time;
};
