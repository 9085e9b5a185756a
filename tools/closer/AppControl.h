#pragma once
// Kept for the code that still includes the message from here; its home is core/AppControl.h.
#include "core/AppControl.h"
