#pragma once
#include "platform/CString.h"

// A string of the language library (empty when it has none).
CString LoadResourceText(UINT nId);
