#pragma once
#include "Win32Shim.h"
