#pragma once
// GDI+ for the skin's sources. Its headers use min and max, which NOMINMAX hides.
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}
#include <gdiplus.h>
