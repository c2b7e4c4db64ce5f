#pragma once
#include "core/common/ports_user.h"
