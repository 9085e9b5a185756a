#include "net/protocol/MacAddressText.h"

std::string GetMacAddressText()
{
    return std::string();
}
