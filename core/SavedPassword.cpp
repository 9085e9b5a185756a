#include "core/SavedPassword.h"

#include "core/HexText.h"
#include "core/MyLogFile.h"
#include "core/Rijndael.h"
#include "platform/StringConversion.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const char kKey[] = "plumvaneplumvane";
const size_t kBlock = 16;
const size_t kMinBuffer = 1024;

char* NewTextBuffer(size_t needed)
{
    size_t size = needed > kMinBuffer ? needed : kMinBuffer;
    char* p = new char[size];
    std::memset(p, 0, size);
    return p;
}

void KeyCipher(CRijndael& cipher)
{
    const char chain[kBlock] = {};
    cipher.MakeKey(kKey, chain, 16, 16);
}

}  // namespace

char* EncryptSavedPassword(const wchar_t* text)
{
    if (text == nullptr)
        text = L"";
    // The ANSI bytes and their terminator, zero-padded to whole blocks.
    const std::string ansi = zel::ToMultiByteString(text, -1, CP_THREAD_ACP);
    size_t blocks = (ansi.size() + 1 + kBlock - 1) / kBlock;
    std::vector<char> plain(blocks * kBlock, '\0');
    std::copy(ansi.begin(), ansi.end(), plain.begin());

    std::vector<char> cipherText(plain.size());
    CRijndael cipher;
    KeyCipher(cipher);
    cipher.Encrypt(plain.data(), cipherText.data(), plain.size(), CRijndael::CBC);

    char* out = NewTextBuffer(2 * cipherText.size() + 1);
    BytesToHex(reinterpret_cast<const unsigned char*>(cipherText.data()), out, cipherText.size());
    return out;
}

char* DecryptSavedPassword(const wchar_t* hexText)
{
    size_t digits = hexText ? std::wcslen(hexText) : 0;
    if (digits == 0 || digits % (2 * kBlock) != 0 || !IsUpperHexText(hexText)) {
        g_ApplicationLog.Log(3, L"DecryptSavedPassword: the saved value of %d characters is not whole "
                                L"blocks of upper-case hexadecimal digits\n", int(digits));
        return NewTextBuffer(1);
    }
    std::string narrow(digits, '\0');
    for (size_t i = 0; i < digits; ++i)
        narrow[i] = char(hexText[i]);
    std::vector<char> cipherText(digits / 2);
    HexToBytes(narrow.c_str(), reinterpret_cast<unsigned char*>(cipherText.data()), cipherText.size());

    char* out = NewTextBuffer(cipherText.size() + 1);
    CRijndael cipher;
    KeyCipher(cipher);
    cipher.Decrypt(cipherText.data(), out, cipherText.size(), CRijndael::CBC);
    out[cipherText.size()] = '\0';
    return out;
}
