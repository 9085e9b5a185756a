#pragma once
// Everything a source file of this system usually needs: Win32, the TCHAR helpers and the class
// library.
#include <windows.h>
#include <tchar.h>

#include "platform/Collections.h"
#include "platform/CString.h"
#include "platform/Convert.h"
#include "platform/CriticalSection.h"
#include "platform/Debug.h"
#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/OleDateTime.h"
#include "platform/ResourceHandle.h"
#include "platform/SingleLock.h"
#include "platform/Time.h"
