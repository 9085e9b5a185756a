#pragma once
// The adapter's MAC address text as the message headers and push ids carry it (upper-case hex,
// no separators; empty when the machine reports no adapter).
#include <string>

std::string GetMacAddressText();
