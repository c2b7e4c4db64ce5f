#include "app/common/qt_messenger.h"

#include "app/common/message_window.h"
#include "app/common/qt_text.h"

int QtMessenger::Show(std::string_view text, uint8_t kind, uint16_t buttons, int helpContext) {
    return BerichtDlg(ToQt(text), kind, buttons, helpContext, &Help);
}
