#include "core/AesStringCrypto.h"

#include "core/Base64.h"
#include "platform/Convert.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

CAesStringCrypto::CAesStringCrypto() : m_hProv(0), m_hHash(0), m_hKey(0), m_dwLastError(0) {}

CAesStringCrypto::~CAesStringCrypto()
{
    Release();
}

void CAesStringCrypto::Reset()
{
    m_hProv = 0;
    m_hHash = 0;
    m_hKey = 0;
    m_dwLastError = 0;
}

void CAesStringCrypto::Release()
{
    if (m_hKey) {
        CryptDestroyKey(m_hKey);
        m_hKey = 0;
    }
    if (m_hHash) {
        CryptDestroyHash(m_hHash);
        m_hHash = 0;
    }
    if (m_hProv) {
        CryptReleaseContext(m_hProv, 0);
        m_hProv = 0;
    }
}

DWORD CAesStringCrypto::Fail()
{
    m_dwLastError = ::GetLastError();
    if (m_dwLastError == 0)
        m_dwLastError = DWORD(NTE_FAIL);
    return m_dwLastError;
}

DWORD CAesStringCrypto::Init(LPCWSTR pszPassPhrase)
{
    if (m_hProv)
        return 0;
    const wchar_t* phrase = pszPassPhrase ? pszPassPhrase : L"";
    const DWORD cb = DWORD(std::wcslen(phrase) * sizeof(wchar_t));
    // Checked under Wine 8 against the documented derivation (SHA-1 of the hash padded with 0x36
    // and with 0x5C, first 32 bytes) computed with OpenSSL: the same key, so no own derivation.
    const bool ok =
        CryptAcquireContextW(&m_hProv, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT) &&
        CryptCreateHash(m_hProv, CALG_SHA1, 0, 0, &m_hHash) &&
        CryptHashData(m_hHash, reinterpret_cast<const BYTE*>(phrase), cb, 0) &&
        CryptDeriveKey(m_hProv, CALG_AES_256, m_hHash, CRYPT_CREATE_SALT, &m_hKey);
    if (ok)
        return 0;
    // Nothing half-made is kept, so that a later Init tries again instead of reporting success
    // for a context without a key.
    const DWORD error = Fail();
    Release();
    return error;
}

CString CAesStringCrypto::EncryptToBase64(LPCWSTR pszText)
{
    if (pszText == nullptr || *pszText == L'\0')
        return CString();
    const DWORD cbText = DWORD(std::wcslen(pszText) * sizeof(wchar_t));
    // Room for the padding block: CBC with PKCS#5 grows the data to the next multiple of 16.
    std::vector<BYTE> buffer(cbText + 16, 0);
    std::memcpy(buffer.data(), pszText, cbText);
    DWORD length = cbText;
    if (!m_hKey) {
        m_dwLastError = DWORD(NTE_NO_KEY);
        return CString();
    }
    if (!CryptEncrypt(m_hKey, 0, TRUE, 0, buffer.data(), &length, DWORD(buffer.size()))) {
        Fail();
        return CString();
    }
    return CString(Base64Encode(buffer.data(), length).c_str());
}

CString CAesStringCrypto::DecryptFromBase64(LPCWSTR pszBase64)
{
    const std::string text = WideToUtf8(CString(pszBase64));
    if (text.empty())
        return CString();
    size_t length = 0;
    std::unique_ptr<unsigned char, decltype(&std::free)> bytes(
        Base64Decode(text.data(), text.size(), &length), &std::free);
    if (!bytes || length == 0) {
        m_dwLastError = ERROR_INVALID_DATA;
        return CString();
    }
    DWORD cb = DWORD(length);
    if (!m_hKey) {
        m_dwLastError = DWORD(NTE_NO_KEY);
        return CString();
    }
    if (!CryptDecrypt(m_hKey, 0, TRUE, 0, bytes.get(), &cb)) {
        Fail();
        return CString();
    }
    std::wstring units(cb / sizeof(wchar_t), L'\0');
    std::memcpy(&units[0], bytes.get(), units.size() * sizeof(wchar_t));
    return CString(units.c_str());
}
