#pragma once
// A lower folder reaching up: the layering check must refuse it.
#include "core/config/config_state.h"
