#include "scripted_ports.h"

#include <stdexcept>

int ScriptedMessenger::Show(std::string_view text, uint8_t kind, uint16_t buttons, int) {
    Shown.push_back({std::string(text), kind, buttons});
    // A window without buttons closes only through its frame, which answers cancel.
    if (buttons == 0) return ResultCancel;
    if (buttons == ButtonsOK) return ResultOK;
    if (!Answers.empty()) {
        int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::string question(text);
    if (OnUnexpectedQuestion)
        OnUnexpectedQuestion(question);
    else
        throw std::logic_error("unexpected question: " + question);
    return UnexpectedAnswer;
}

std::vector<std::string> ScriptedMessenger::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : Shown) texts.push_back(m.Text);
    return texts;
}

namespace {

template <typename T> T Next(std::deque<T>& queue, const char* what) {
    if (queue.empty()) throw std::logic_error(std::string("unexpected dialog: ") + what);
    T value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

std::optional<std::string> ScriptedChooser::OpenFile(const FileDialogRequest& request) {
    Requests.push_back(request);
    return Next(OpenAnswers, "open file");
}

std::optional<std::string> ScriptedChooser::SaveFile(const FileDialogRequest& request) {
    Requests.push_back(request);
    return Next(SaveAnswers, "save file");
}

bool ScriptedChooser::PrinterSetup() {
    return Next(PrinterAnswers, "printer set-up");
}

std::optional<FontChoice> ScriptedChooser::ChooseFont(const FontChoice&) {
    return Next(FontAnswers, "font");
}
