#pragma once
// Everything a source file of this system usually needs: Win32, the TCHAR helpers and the class
// library.
#include <windows.h>
#include <tchar.h>

#include "platform/CString.h"
#include "platform/Convert.h"
#include "platform/Geometry.h"
#include "platform/ResourceHandle.h"
