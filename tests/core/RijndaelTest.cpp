#include "core/Rijndael.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

std::string FromHex(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string ToHex(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

std::string CountingKey(int n)
{
    std::string k;
    for (int i = 0; i < n; ++i)
        k.push_back(char(i));
    return k;
}

struct BlockCase {
    int keyLength;
    int blockSize;
    const char* plain;
    const char* cipher;
};

// 16-byte blocks: FIPS-197 Appendix C (key 00 01 02 ...). 24- and 32-byte blocks: values from an
// independent byte-wise Rijndael written after the Rijndael submission (state matrix, no tables).
const BlockCase kBlockCases[] = {
    {16, 16, "00112233445566778899aabbccddeeff", "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {24, 16, "00112233445566778899aabbccddeeff", "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {32, 16, "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
    {16, 24, "00112233445566778899aabbccddeeff1021324354657687",
     "e64018d211d8349b350f38893d7d23899fece7a9aca7c6ba"},
    {24, 24, "00112233445566778899aabbccddeeff1021324354657687",
     "78be2d48f76d71da6966f3a175fb71ad66b70b2076c3cf1d"},
    {32, 24, "00112233445566778899aabbccddeeff1021324354657687",
     "65d851df8d04b5cbb510935fdd1eb17b33efb8cb255ee712"},
    {16, 32, "00112233445566778899aabbccddeeff102132435465768798a9bacbdcedfe0f",
     "98c6f98ba9631b91c34f431e0887c561b6ac44c985cecd38dbc4cb30b9170d2f"},
    {24, 32, "00112233445566778899aabbccddeeff102132435465768798a9bacbdcedfe0f",
     "3c386395e910345a59a7dd165dcbda604bf072f0a03a6b0055a79b734e668868"},
    {32, 32, "00112233445566778899aabbccddeeff102132435465768798a9bacbdcedfe0f",
     "288fa9d23d00d9dc0a39b33fa92867c6488b5e0f18a6f74c072078ec815462e6"},
};

}  // namespace

TEST(Rijndael, KnownVectorsBothWays)
{
    for (const BlockCase& c : kBlockCases) {
        SCOPED_TRACE(testing::Message() << "key " << c.keyLength << " block " << c.blockSize);
        CRijndael r;
        std::string key = CountingKey(c.keyLength);
        std::string zero(32, '\0');
        r.MakeKey(key.data(), zero.data(), c.keyLength, c.blockSize);
        std::string plain = FromHex(c.plain), out(plain.size(), '\0'), back(plain.size(), '\0');
        r.EncryptBlock(plain.data(), &out[0]);
        EXPECT_EQ(c.cipher, ToHex(out));
        r.DecryptBlock(out.data(), &back[0]);
        EXPECT_EQ(c.plain, ToHex(back));
    }
}

TEST(Rijndael, MisuseThrowsFixedTexts)
{
    struct Case {
        const char* what;
        const char* expected;
        void (*run)();
    };
    static const char key[32] = {};
    static const char chain[32] = {};
    const Case cases[] = {
        {"null key", "Empty key", [] { CRijndael r; r.MakeKey(nullptr, chain, 16, 16); }},
        {"key 20", "Incorrect key length", [] { CRijndael r; r.MakeKey(key, chain, 20, 16); }},
        // The checks run in order: the key length is reported before the block size.
        {"key 20 block 8", "Incorrect key length", [] { CRijndael r; r.MakeKey(key, chain, 20, 8); }},
        {"block 8", "Incorrect block length", [] { CRijndael r; r.MakeKey(key, chain, 16, 8); }},
        {"block before key", "Object not Initialized",
         [] { CRijndael r; char out[16]; r.EncryptBlock(key, out); }},
        {"decrypt before key", "Object not Initialized",
         [] { CRijndael r; char out[16]; r.DecryptBlock(key, out); }},
        {"xor before key", "Object not Initialized",
         [] { CRijndael r; char buf[16] = {}; r.Xor(buf, key); }},
        {"buffer before key", "Object not Initialized",
         [] { CRijndael r; char out[16]; r.Encrypt(key, out, 16, CRijndael::CBC); }},
        {"0 bytes", "Data not multiple of Block Size",
         [] { CRijndael r; r.MakeKey(key, chain); char out[32]; r.Encrypt(key, out, 0); }},
        {"17 bytes", "Data not multiple of Block Size",
         [] { CRijndael r; r.MakeKey(key, chain); char out[32]; r.Encrypt(key, out, 17); }},
        {"decrypt 17 bytes", "Data not multiple of Block Size",
         [] { CRijndael r; r.MakeKey(key, chain); char out[32]; r.Decrypt(key, out, 17, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.run();
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& e) {
            EXPECT_STREQ(c.expected, e.what());
        }
    }
}

TEST(Rijndael, AllZeroKeyAndChainAreAccepted)
{
    const char zero[32] = {};
    CRijndael r;
    EXPECT_NO_THROW(r.MakeKey(zero, zero, 32, 32));
}

struct ModeCase {
    int mode;
    const char* cipher;  // openssl enc -aes-128-<mode> -nopad, key 00..0f, IV 0f 0e .. 00
};

TEST(Rijndael, BufferModesMatchOpenSslAndChainCarriesOver)
{
    const ModeCase cases[] = {
        {CRijndael::CBC, "16628846f7334843bc7321cc7966168090d3742ef215184a8c57a329a06ebd7f"},
        {CRijndael::CFB, "20b8dba1f0193d9f8c865667a07377954345c04e951a9b1fa8b47d8d2cf2523f"},
        {CRijndael::ECB, "69c4e0d86a7b0430d8cdb78070b4c55a"},
        {7, "69c4e0d86a7b0430d8cdb78070b4c55a"},  // an unknown mode runs as ECB
    };
    const std::string key = CountingKey(16);
    const std::string iv = FromHex("0f0e0d0c0b0a09080706050403020100");
    const std::string plainAll =
        FromHex("00112233445566778899aabbccddeeff0123456789abcdeffedcba9876543210");
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.mode);
        const std::string expected = c.cipher;
        const std::string plain = plainAll.substr(0, expected.size() / 2);
        CRijndael r;
        r.MakeKey(key.data(), iv.data());
        std::string whole(plain.size(), '\0');
        r.Encrypt(plain.data(), &whole[0], plain.size(), c.mode);
        EXPECT_EQ(expected, ToHex(whole));

        // Block by block on a re-keyed object gives the same bytes: the chain runs on.
        r.MakeKey(key.data(), iv.data());
        std::string pieces(plain.size(), '\0');
        for (size_t off = 0; off < plain.size(); off += 16)
            r.Encrypt(plain.data() + off, &pieces[off], 16, c.mode);
        EXPECT_EQ(whole, pieces);

        // Decryption in place, again in one-block calls.
        r.MakeKey(key.data(), iv.data());
        for (size_t off = 0; off < whole.size(); off += 16)
            r.Decrypt(&whole[off], &whole[off], 16, c.mode);
        EXPECT_EQ(ToHex(plain), ToHex(whole));
    }
}
