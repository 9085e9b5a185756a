#include "features/approvals/ApprovalFileCipher.h"

#include <windows.h>
#include <wincrypt.h>

#include "core/FileHelpers.h"

namespace {

// Four lower-case letters. Keys have always been derived from the first four bytes of its UTF-16
// text (its length in characters passed as the byte count); files encrypted so far depend on it.
const wchar_t kPassPhrase[] = L"tlvr";

class CCryptContext {
public:
    CCryptContext()
    {
        if (!::CryptAcquireContextW(&m_hProv, nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL, 0) &&
            !::CryptAcquireContextW(&m_hProv, nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL, CRYPT_NEWKEYSET))
            m_hProv = 0;
        if (!m_hProv)
            return;
        if (::CryptCreateHash(m_hProv, CALG_MD5, 0, 0, &m_hHash) &&
            ::CryptHashData(m_hHash, reinterpret_cast<const BYTE*>(kPassPhrase), DWORD(wcslen(kPassPhrase)), 0))
            ::CryptDeriveKey(m_hProv, CALG_RC4, m_hHash, 128 << 16, &m_hKey);
    }
    ~CCryptContext()
    {
        if (m_hKey)
            ::CryptDestroyKey(m_hKey);
        if (m_hHash)
            ::CryptDestroyHash(m_hHash);
        if (m_hProv)
            ::CryptReleaseContext(m_hProv, 0);
    }
    HCRYPTKEY Key() const { return m_hKey; }

private:
    HCRYPTPROV m_hProv = 0;
    HCRYPTHASH m_hHash = 0;
    HCRYPTKEY m_hKey = 0;
};

}  // namespace

int ApprovalCipherBytes(std::string& bytes, bool bEncrypt)
{
    CCryptContext context;
    if (!context.Key())
        return APPROVAL_CIPHER_NO_CONTEXT;
    if (bytes.empty())
        return APPROVAL_CIPHER_OK;
    DWORD cb = DWORD(bytes.size());
    BYTE* p = reinterpret_cast<BYTE*>(&bytes[0]);
    const BOOL ok = bEncrypt ? ::CryptEncrypt(context.Key(), 0, TRUE, 0, p, &cb, cb)
                             : ::CryptDecrypt(context.Key(), 0, TRUE, 0, p, &cb);
    return ok && cb == bytes.size() ? APPROVAL_CIPHER_OK : APPROVAL_CIPHER_FAILED;
}

int ApprovalCipherFile(const CString& strSource, const CString& strDest, bool bEncrypt)
{
    DWORD cb = 0;
    BYTE* pData = ReadWholeFile(strSource, &cb);
    if (!pData)
        return APPROVAL_CIPHER_READ_ERROR;
    std::string bytes(reinterpret_cast<const char*>(pData), cb);
    delete[] pData;
    const int nResult = ApprovalCipherBytes(bytes, bEncrypt);
    if (nResult != APPROVAL_CIPHER_OK)
        return nResult;
    HANDLE h = ::CreateFileW(strDest.GetString(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return APPROVAL_CIPHER_WRITE_ERROR;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    ::CloseHandle(h);
    return ok ? APPROVAL_CIPHER_OK : APPROVAL_CIPHER_WRITE_ERROR;
}

CString ApprovalCipherDefaultName(const CString& strSource)
{
    return strSource + L".CPR";
}
