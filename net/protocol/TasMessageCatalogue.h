#pragma once
// The application server's message ids: which the client sends, and the window message under
// which each reply is delivered.
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "net/protocol/ProtocolCheck.h"

namespace TasMessageCatalogue {

// The window message of a reply: "G00000001" gives WM_USER+99, "M" and the number n gives
// WM_USER+99+n up to 64 and WM_USER+100+n from 67 on; 0 for an id that is not delivered.
UINT ReplyMessageOf(const std::string& strMessageId);
// Every id that has a reply message (52 of them).
std::vector<std::string> DeliveredIds();
// What the application-server client sends or expects, for the start-up check.
std::vector<_REQUIRED_MESSAGE> RequiredMessages();

}  // namespace TasMessageCatalogue
