#pragma once
// The date completion of a date box: the box's text is completed and checked; an invalid date is
// reported and the box gets the focus back.

#include "core/app_state.h"
#include "core/common/ports.h"

class QLineEdit;

bool NormaliseDateEdit(AppState& state, Messenger& messenger, Clock& clock, QLineEdit* box);
