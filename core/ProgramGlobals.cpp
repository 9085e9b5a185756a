#include "core/ProgramGlobals.h"

CString g_strAppVersion;
