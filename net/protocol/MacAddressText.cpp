#include "net/protocol/MacAddressText.h"

#include <mutex>

#include "core/NetworkIdentity.h"
#include "platform/Convert.h"

std::string GetMacAddressText()
{
    // The address is looked up and cached on first use, which may happen on the user-interface
    // thread and a socket worker at once.
    static std::mutex s_mutex;
    std::lock_guard<std::mutex> lock(s_mutex);
    return WideToAnsi(GetMacAddress());
}
