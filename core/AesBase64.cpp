#include "core/AesBase64.h"

#include "core/MyLogFile.h"
#include "platform/Convert.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The layout CryptImportKey expects for a plain AES-256 key: 8-byte header, key size, key.
#pragma pack(push, 1)
struct SAes256KeyBlob {
    BLOBHEADER hdr;
    DWORD cbKeySize;
    BYTE key[32];
    BYTE reserved[4];
};
#pragma pack(pop)
static_assert(sizeof(SAes256KeyBlob) == 48, "AES-256 key blob layout");

class CProviderAndKey {
public:
    ~CProviderAndKey()
    {
        if (m_hKey)
            CryptDestroyKey(m_hKey);
        if (m_hProv)
            CryptReleaseContext(m_hProv, 0);
    }
    HCRYPTPROV m_hProv = 0;
    HCRYPTKEY m_hKey = 0;
};

}  // namespace

CString DecryptAes256Base64(const CString& strText, const CString& strKey)
{
    if (strText.IsEmpty() || strKey.IsEmpty())
        return CString();
    const std::string key = WideToAnsi(strKey);
    if (key.size() > 32 || strText.GetLength() > kMaxAesBase64Text) {
        g_ApplicationLog.Log(4, L"DecryptAes256Base64: refused a key of %d and a text of %d characters\n",
                             strKey.GetLength(), strText.GetLength());
        return CString();
    }
    const std::string text = WideToAnsi(strText);

    SAes256KeyBlob blob;
    std::memset(&blob, 0, sizeof(blob));
    blob.hdr.bType = PLAINTEXTKEYBLOB;
    blob.hdr.bVersion = CUR_BLOB_VERSION;
    blob.hdr.reserved = 0;
    blob.hdr.aiKeyAlg = CALG_AES_256;
    blob.cbKeySize = 32;
    std::memcpy(blob.key, key.data(), key.size());

    CProviderAndKey crypt;
    if (!CryptAcquireContextW(&crypt.m_hProv, nullptr, MS_ENH_RSA_AES_PROV_W, PROV_RSA_AES,
                              CRYPT_VERIFYCONTEXT))
        return CString();
    if (!CryptImportKey(crypt.m_hProv, reinterpret_cast<const BYTE*>(&blob), sizeof(blob), 0, 0,
                        &crypt.m_hKey))
        return CString();
    const BYTE iv[16] = {};
    if (!CryptSetKeyParam(crypt.m_hKey, KP_IV, iv, 0))
        return CString();

    DWORD size = 0;
    if (!CryptStringToBinaryA(text.c_str(), DWORD(text.size()), CRYPT_STRING_BASE64, nullptr, &size,
                              nullptr, nullptr)) {
        g_ApplicationLog.Log(4, L"Error while getting size... %d\n", int(GetLastError()));
        return CString();
    }
    if (size == 0)
        return CString();
    std::vector<BYTE> buffer;
    try {
        buffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
        g_ApplicationLog.Log(4, L"Out of memory %d\n", int(GetLastError()));
        return CString();
    }
    if (!CryptStringToBinaryA(text.c_str(), DWORD(text.size()), CRYPT_STRING_BASE64, buffer.data(),
                              &size, nullptr, nullptr)) {
        g_ApplicationLog.Log(4, L"Error while converting to base64 string... %d\n", int(GetLastError()));
        return CString();
    }
    DWORD length = size;
    if (!CryptDecrypt(crypt.m_hKey, 0, TRUE, 0, buffer.data(), &length))
        return CString();
    return AnsiToWide(std::string(reinterpret_cast<const char*>(buffer.data()), length));
}
