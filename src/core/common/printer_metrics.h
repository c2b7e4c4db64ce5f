#pragma once
// The printer metrics every printout lays itself out with: line height, lines per page, average
// character width and pixels per centimetre of the current printer and its font.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"

// Measures the printer (giving it the default font first when it has none yet). When there is no
// usable printer the user reads " P R I N T E R  N I E T  C O R R E C T " and the metrics keep
// their previous values.
void InitPrinterMetrics(CommonState& state, Messenger& messenger, PrintCanvas& canvas);
