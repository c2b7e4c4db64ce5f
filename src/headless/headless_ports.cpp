#include "headless/headless_ports.h"

#include "core/config/config_dialog_fields.h"

int RecordingMessenger::Show(std::string_view text, uint8_t kind, uint16_t buttons, int) {
    Shown.push_back({std::string(text), kind, buttons});
    return (buttons & BtnNee) != 0 ? ResultNo : ResultOK;
}

void HeadlessConfigHost::OpenConfigDial(bool nieuw) {
    if (PrepareConfigDial(State.Common, State.Configuration, Msg, nieuw,
                          State.Members.MemberListLoaded))
        State.Configuration.ConfigOK = false;
}
