#pragma once
// The text the main dialog shows for a socket error of a server client: a time-out or refusal
// and a lost connection have their own texts, any other code the socket library's text (in the
// thread's ANSI code page), and the general network text when nobody knows the code.
#include <winsock2.h>
#include <windows.h>

#include "platform/CString.h"

CString MainSocketErrorText(int nErrorCode);
