#include "core/AesBase64.h"
#include "core/AesStringCrypto.h"
#include "core/Base64.h"
#include "core/Rijndael.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// AES-256-CBC with a zero IV and PKCS#5 padding through our own cipher, to make ciphertexts of
// any length that Wine's CryptoAPI must then decrypt.
std::string EncryptWithOwnCipher(const std::string& plain, const std::string& key32)
{
    std::string padded = plain;
    const size_t pad = 16 - plain.size() % 16;
    padded.append(pad, char(pad));
    std::string out(padded.size(), '\0');
    const char iv[16] = {};
    CRijndael r;
    r.MakeKey(key32.data(), iv, 32, 16);
    r.Encrypt(padded.data(), &out[0], padded.size(), CRijndael::CBC);
    return Base64Encode(reinterpret_cast<const unsigned char*>(out.data()), out.size());
}

}  // namespace

// Ciphertexts made on the host with
//   openssl enc -aes-256-cbc -K <key bytes in hex, zero-filled to 32> -iv 0 -base64 -A
TEST(DecryptAes256Base64, DecryptsOpenSslCiphertexts)
{
    EXPECT_EQ(CString(L"http://127.0.0.1:8080/docs/page?id=42&x=1"),
              DecryptAes256Base64(L"A9Sm/ICdAjYdvsdDUHcGQmjmYC1v/iyCmJJJRLzrCFsM04biv3rQWDkaXALoXA7+",
                                  L"0123456789abcdef0123456789abcdef"));
    // A shorter key is filled up with zero bytes.
    EXPECT_EQ(CString(L"abc"), DecryptAes256Base64(L"pV6ssovQLlAmt8KwmGx/lg==", L"shortkey"));
}

TEST(DecryptAes256Base64, TextsLongerThanTheOldFixedBufferDecrypt)
{
    const std::string key = "0123456789abcdef0123456789abcdef";
    const std::string url = "https://example.test/" + std::string(2000, 'p');
    const std::string text = EncryptWithOwnCipher(url, key);
    ASSERT_GT(text.size(), 256u);
    EXPECT_EQ(CString(url.c_str()), DecryptAes256Base64(CString(text.c_str()), CString(key.c_str())));
}

TEST(DecryptAes256Base64, BadInputGivesEmpty)
{
    const CString good = L"pV6ssovQLlAmt8KwmGx/lg==";
    const struct {
        const char* what;
        CString text;
        CString key;
    } cases[] = {
        {"empty text", L"", L"shortkey"},
        {"empty key", good, L""},
        {"key of 33 characters", good, L"0123456789abcdef0123456789abcdef0"},
        {"not Base64", L"***not base64***", L"shortkey"},
        {"wrong key", good, L"otherkey"},
        {"not whole blocks", L"pV6ssovQLlAmt8Kw", L"shortkey"},
        {"too long", CString(L'A', kMaxAesBase64Text + 4), L"shortkey"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CString(), DecryptAes256Base64(c.text, c.key));
    }
}

// Expected texts: key = first 32 bytes of SHA-1(h ^ 0x36 pad) || SHA-1(h ^ 0x5C pad), h = SHA-1 of
// the phrase's UTF-16LE bytes (CryptDeriveKey's documented expansion), then
// openssl enc -aes-256-cbc -K <key> -iv 0 -base64 over the text's UTF-16LE bytes.
TEST(AesStringCrypto, MatchesTheDocumentedDerivation)
{
    const struct {
        const wchar_t* phrase;
        const wchar_t* text;
        const wchar_t* base64;
    } cases[] = {
        {L"pass phrase", L"Hello", L"+jZ5MrVNU1wi6ZSUTAQwcw=="},
        {L"\ud68c\uc758 \ud0a4", L"\uc548\ub155\ud558\uc138\uc694 meeting 42",
         L"jKEVcaj26KnvsZWPpP3ZA+Yin3vy+ECFZEnu3BrDGxQ4pduYjL4QLEzYszR/55+m"},
        // One character: its 2 bytes grow to a whole 16-byte block.
        {L"k", L"a", L"L86KVFf+loX7HHYaZ7THOw=="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base64);
        CAesStringCrypto crypto;
        ASSERT_EQ(0u, crypto.Init(c.phrase));
        EXPECT_EQ(CString(c.base64), crypto.EncryptToBase64(c.text));
        EXPECT_EQ(CString(c.text), crypto.DecryptFromBase64(c.base64));
    }
}

TEST(AesStringCrypto, FailuresGiveEmptyTextAndKeepTheError)
{
    CAesStringCrypto crypto;
    EXPECT_EQ(CString(), crypto.EncryptToBase64(L"x"));
    EXPECT_NE(0u, crypto.GetLastError());

    ASSERT_EQ(0u, crypto.Init(L"pass phrase"));
    EXPECT_EQ(0u, crypto.Init(L"another phrase"));  // already held: nothing changes
    EXPECT_EQ(CString(L"+jZ5MrVNU1wi6ZSUTAQwcw=="), crypto.EncryptToBase64(L"Hello"));
    EXPECT_EQ(CString(), crypto.EncryptToBase64(L""));
    EXPECT_EQ(CString(), crypto.DecryptFromBase64(L""));
    EXPECT_EQ(CString(), crypto.DecryptFromBase64(L"abc"));       // no whole Base64 group
    EXPECT_EQ(CString(), crypto.DecryptFromBase64(L"AAAAAAAAAAAAAAAAAAAAAA=="));  // bad padding
    EXPECT_NE(0u, crypto.GetLastError());

    crypto.Release();
    EXPECT_EQ(CString(), crypto.DecryptFromBase64(L"+jZ5MrVNU1wi6ZSUTAQwcw=="));
}

TEST(Base64EncodeToCString, Table)
{
    EXPECT_EQ(CString(L"YWJj"), Base64EncodeToCString("abc"));
    EXPECT_EQ(CString(L"dXNlcj0xMjM0"), Base64EncodeToCString("user=1234"));
    EXPECT_EQ(CString(), Base64EncodeToCString(""));
    EXPECT_EQ(CString(), Base64EncodeToCString(nullptr));
}
