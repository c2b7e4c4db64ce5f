#pragma once
// The message window as the core's Messenger.

#include "app/common/help_requests.h"
#include "core/common/ports.h"

class QtMessenger : public Messenger {
public:
    explicit QtMessenger(HelpRequests& help)
        : Help(help) {}
    int Show(std::string_view text, uint8_t kind, uint16_t buttons, int helpContext = 0) override;

private:
    HelpRequests& Help;
};
