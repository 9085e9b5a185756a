#include "core/Base64.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// 256 entries, indexed by the unsigned value of a character, so bytes above 0x7F cannot reach
// outside the table.
constexpr std::array<unsigned char, 256> MakeDecodeTable()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 64; ++i)
        t[static_cast<unsigned char>(kAlphabet[i])] = static_cast<unsigned char>(i);
    return t;
}

constexpr std::array<unsigned char, 256> kDecode = MakeDecodeTable();

}  // namespace

std::string Base64Encode(const unsigned char* bytes, size_t length)
{
    std::string out;
    if (bytes == nullptr || length == 0)
        return out;
    try {
        out.resize(4 * ((length + 2) / 3));
    } catch (const std::bad_alloc&) {
        return std::string();
    }
    size_t o = 0;
    for (size_t i = 0; i < length; i += 3) {
        unsigned b0 = bytes[i];
        unsigned b1 = i + 1 < length ? bytes[i + 1] : 0;
        unsigned b2 = i + 2 < length ? bytes[i + 2] : 0;
        unsigned v = (b0 << 16) | (b1 << 8) | b2;
        out[o++] = kAlphabet[(v >> 18) & 63];
        out[o++] = kAlphabet[(v >> 12) & 63];
        out[o++] = kAlphabet[(v >> 6) & 63];
        out[o++] = kAlphabet[v & 63];
    }
    if (length % 3 == 1) {
        out[o - 2] = '=';
        out[o - 1] = '=';
    } else if (length % 3 == 2) {
        out[o - 1] = '=';
    }
    return out;
}

unsigned char* Base64Decode(const char* text, size_t length, size_t* pOutLength)
{
    if (pOutLength != nullptr)
        *pOutLength = 0;
    if (text == nullptr || length == 0 || length % 4 != 0)
        return nullptr;
    size_t outLength = 3 * (length / 4);
    if (text[length - 1] == '=') {
        --outLength;
        if (text[length - 2] == '=')
            --outLength;
    }
    unsigned char* out = static_cast<unsigned char*>(std::malloc(outLength ? outLength : 1));
    if (out == nullptr)
        return nullptr;
    size_t o = 0;
    for (size_t i = 0; i < length; i += 4) {
        unsigned v = 0;
        for (size_t k = 0; k < 4; ++k)
            v = (v << 6) | kDecode[static_cast<unsigned char>(text[i + k])];
        const unsigned char group[3] = {static_cast<unsigned char>(v >> 16),
                                        static_cast<unsigned char>(v >> 8),
                                        static_cast<unsigned char>(v)};
        for (size_t k = 0; k < 3 && o < outLength; ++k)
            out[o++] = group[k];
    }
    if (pOutLength != nullptr)
        *pOutLength = outLength;
    return out;
}

CString Base64EncodeToCString(const char* pszBytes)
{
    if (pszBytes == nullptr || *pszBytes == '\0')
        return CString();
    const std::string text =
        Base64Encode(reinterpret_cast<const unsigned char*>(pszBytes), std::strlen(pszBytes));
    return CString(text.c_str());
}
