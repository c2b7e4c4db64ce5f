#pragma once
// A higher folder using a lower one, as every report does.
#include "core/common/ports.h"
#include "core/reports/report.h"
