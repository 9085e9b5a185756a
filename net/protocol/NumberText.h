#pragma once
// Numbers as the application server takes them in text members, written by a narrow string
// stream with its default formatting.
#include <string>

// Decimal, no leading zeros, "-" before a negative value.
std::string IntToStdString(int nValue);
// At most six significant digits, trailing zeros and point dropped, exponent form below 1e-4 and
// from 1e6 on (the rules of printf "%g").
std::string FloatToStdString(float fValue);
