#pragma once
// A core operation that takes the whole application state: the layering check must refuse it.
#include "state/app_state.h"
