#pragma once
// Server addresses as the screens give them (wide text) and as the socket takes them (narrow
// text in the thread's ANSI code page).
#include <winsock2.h>
#include <string>

#include "platform/CString.h"

std::string ToThreadAnsi(const CString& text);
CString FromThreadAnsi(const std::string& text);
