#pragma once
#include <cstddef>

// Hexadecimal text: two digits per byte, high nibble first, "0"-"9" and upper-case "A"-"F".

// Writes 2 * count digits and a terminating 0 into text (which holds 2 * count + 1 chars).
void BytesToHex(const unsigned char* bytes, char* text, size_t count);

// Reads count bytes from the first 2 * count characters of text. A character that is not an
// upper-case digit ends its byte early with the value so far. The reading stops at the text's
// terminator and never reads past it: the bytes that had no digits become 0 and the result is
// false. True when all 2 * count characters were there.
bool HexToBytes(const char* text, unsigned char* bytes, size_t count);

// True when text holds only upper-case hexadecimal digits ("" included).
bool IsUpperHexText(const wchar_t* text);
