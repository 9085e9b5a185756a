#pragma once
#include "platform/CString.h"

// The product version text: empty until the application start-up sets it ("4.2.0.0"). The about
// box shows it, and the login and version-check requests send it as "appVer" without blanks.
extern CString g_strAppVersion;
