#include "net/protocol/MacAddressText.h"

#include "core/NetworkIdentity.h"
#include "platform/Convert.h"

std::string GetMacAddressText()
{
    return WideToAnsi(GetMacAddress());
}
