#pragma once
#include <cstddef>
#include <string>

#include "platform/CString.h"

// Standard Base64 (RFC 4648 alphabet, "=" padding, no line breaks).

// 4 * ((n + 2) / 3) characters; empty for no input or when memory runs out.
std::string Base64Encode(const unsigned char* bytes, size_t length);

// A malloc'd buffer (the caller frees it) of 3 * (length / 4) bytes, less one for each of the
// last two characters that is "="; *pOutLength receives its size. A length that is not a
// multiple of 4, an empty or null text, or a failed allocation gives null and 0. The text is not
// validated: "=" and any character outside the alphabet count as 0 (and never index outside the
// decoding table, whatever their code).
unsigned char* Base64Decode(const char* text, size_t length, size_t* pOutLength);

// The Base64 text of a narrow string up to its terminator; empty for empty or null input.
CString Base64EncodeToCString(const char* pszBytes);
