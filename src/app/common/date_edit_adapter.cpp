#include "app/common/date_edit_adapter.h"

#include "app/common/qt_text.h"
#include "core/common/date_edit.h"

#include <QLineEdit>

bool NormaliseDateEdit(AppState& state, Messenger& messenger, Clock& clock, QLineEdit* box) {
    if (!box || box->text().isEmpty()) return true;
    std::string text = FromQt(box->text());
    std::string completed = CompleteDateText(text, clock.Today());
    if (auto date = ParseDateText(completed, clock.Today())) {
        box->setText(ToQt(ShortDateText(*date)));
        return true;
    }
    box->setText(ToQt(completed));
    box->setFocus();
    NormaliseDateText({messenger, state.Common.ErrorCode}, clock.Today(), text);
    return false;
}
