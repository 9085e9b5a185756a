#pragma once
#include "platform/CString.h"

// Decrypts Base64 text that the server encrypted with AES-256-CBC (zero IV, PKCS#5 padding)
// under the given key, whose ANSI characters are the key bytes (a shorter key is filled up with
// zero bytes). Returns the plaintext read as ANSI text, or empty when the text or key is empty,
// the key is longer than 32 characters, the text is not Base64 or does not decrypt. The text may
// be of any length up to kMaxAesBase64Text characters.
CString DecryptAes256Base64(const CString& strText, const CString& strKey);

const int kMaxAesBase64Text = 1 << 20;
