#pragma once
// The date completion of a date box: the box's text is completed and checked; an invalid date is
// reported and the box gets the focus back.

#include "core/common/ports.h"
#include "state/app_state.h"

class QLineEdit;

bool NormaliseDateEdit(AppState& state, Messenger& messenger, Clock& clock, QLineEdit* box);
