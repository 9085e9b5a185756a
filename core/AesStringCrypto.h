#pragma once
#include <windows.h>
#include <wincrypt.h>

#include "platform/CString.h"

// A CryptoAPI context for AES-256 under a key derived from a pass phrase (SHA-1 of the phrase's
// UTF-16 bytes, expanded the documented CryptDeriveKey way), with Base64 text on the outside.
// Owned by the caller, usually as a local object; Release (or destruction) frees the handles.
class CAesStringCrypto {
public:
    CAesStringCrypto();
    ~CAesStringCrypto();
    CAesStringCrypto(const CAesStringCrypto&) = delete;
    CAesStringCrypto& operator=(const CAesStringCrypto&) = delete;

    void Reset();
    void Release();
    // 0 on success, and also at once when a provider is already held; otherwise the Win32 error
    // of the failing step, which is also kept as the last error.
    DWORD Init(LPCWSTR pszPassPhrase);
    // The Base64 text of the AES-256-CBC ciphertext (zero IV, PKCS#5) of the text's UTF-16 bytes;
    // empty for an empty text or when a step fails (its error kept).
    CString EncryptToBase64(LPCWSTR pszText);
    // The inverse: the decrypted UTF-16 text up to its first 0 unit; empty on failure.
    CString DecryptFromBase64(LPCWSTR pszBase64);
    DWORD GetLastError() const { return m_dwLastError; }

private:
    DWORD Fail();

    HCRYPTPROV m_hProv;
    HCRYPTHASH m_hHash;
    HCRYPTKEY m_hKey;
    DWORD m_dwLastError;
};
