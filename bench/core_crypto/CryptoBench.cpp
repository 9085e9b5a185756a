// Throughput of the client's own AES, the CryptoAPI AES-256 path and the text encodings, per MB.
#include "core/AesBase64.h"
#include "core/Base64.h"
#include "core/HexText.h"
#include "core/Rijndael.h"
#include "core/SavedPassword.h"

#include <benchmark/benchmark.h>
#include <windows.h>
#include <wincrypt.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const size_t kMB = 1 << 20;

std::vector<char> Bytes(size_t n)
{
    std::vector<char> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = char(i * 131 + (i >> 8));
    return v;
}

// One MB through CRijndael: args are key/block length, mode, and 1 to decrypt.
void BM_Rijndael(benchmark::State& state)
{
    const int length = int(state.range(0));
    const int mode = int(state.range(1));
    const bool decrypt = state.range(2) != 0;
    std::vector<char> buf = Bytes(kMB);
    const char key[32] = "0123456789abcdef0123456789abcde", chain[32] = {};
    CRijndael r;
    r.MakeKey(key, chain, length, length);
    for (auto _ : state) {
        if (decrypt)
            r.Decrypt(buf.data(), buf.data(), buf.size(), mode);
        else
            r.Encrypt(buf.data(), buf.data(), buf.size(), mode);
        benchmark::DoNotOptimize(buf.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMB));
}
BENCHMARK(BM_Rijndael)
    ->Args({16, CRijndael::ECB, 0})
    ->Args({16, CRijndael::CBC, 0})
    ->Args({16, CRijndael::CBC, 1})
    ->Args({32, CRijndael::CBC, 0})  // 32-byte blocks: the general routine
    ->ArgNames({"len", "mode", "decrypt"});

// CryptoAPI AES-256-CBC over 1 MB with an imported plain key, as DecryptAes256Base64 uses it.
void BM_CryptoApiAes256(benchmark::State& state)
{
    const bool decrypt = state.range(0) != 0;
    HCRYPTPROV prov = 0;
    HCRYPTKEY key = 0;
    if (!CryptAcquireContextW(&prov, nullptr, MS_ENH_RSA_AES_PROV_W, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) {
        state.SkipWithError("no AES provider");
        return;
    }
#pragma pack(push, 1)
    struct {
        BLOBHEADER hdr;
        DWORD cb;
        BYTE key[32];
    } blob = {{PLAINTEXTKEYBLOB, CUR_BLOB_VERSION, 0, CALG_AES_256}, 32, {1, 2, 3}};
#pragma pack(pop)
    CryptImportKey(prov, reinterpret_cast<BYTE*>(&blob), sizeof(blob), 0, 0, &key);
    std::vector<char> plain = Bytes(kMB);
    std::vector<BYTE> cipher(kMB + 16);
    std::memcpy(cipher.data(), plain.data(), kMB);
    DWORD n = DWORD(kMB);
    CryptEncrypt(key, 0, TRUE, 0, cipher.data(), &n, DWORD(cipher.size()));
    std::vector<BYTE> work(cipher.size());
    for (auto _ : state) {
        DWORD len;
        if (decrypt) {
            std::memcpy(work.data(), cipher.data(), n);
            len = n;
            CryptDecrypt(key, 0, TRUE, 0, work.data(), &len);
        } else {
            std::memcpy(work.data(), plain.data(), kMB);
            len = DWORD(kMB);
            CryptEncrypt(key, 0, TRUE, 0, work.data(), &len, DWORD(work.size()));
        }
        benchmark::DoNotOptimize(work.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMB));
    CryptDestroyKey(key);
    CryptReleaseContext(prov, 0);
}
BENCHMARK(BM_CryptoApiAes256)->Arg(0)->Arg(1)->ArgName("decrypt");

// One page-address decryption as the viewer does it per page reply: context, key import,
// Base64 and AES for a ~100-character address.
void BM_DecryptAes256Base64PageUrl(benchmark::State& state)
{
    const CString text = L"A9Sm/ICdAjYdvsdDUHcGQmjmYC1v/iyCmJJJRLzrCFsM04biv3rQWDkaXALoXA7+";
    const CString key = L"0123456789abcdef0123456789abcdef";
    for (auto _ : state)
        benchmark::DoNotOptimize(DecryptAes256Base64(text, key));
}
BENCHMARK(BM_DecryptAes256Base64PageUrl);

void BM_SavedPasswordRoundTrip(benchmark::State& state)
{
    for (auto _ : state) {
        char* hex = EncryptSavedPassword(L"a-saved-password");
        std::wstring wide(hex, hex + std::strlen(hex));
        char* plain = DecryptSavedPassword(wide.c_str());
        benchmark::DoNotOptimize(plain);
        delete[] hex;
        delete[] plain;
    }
}
BENCHMARK(BM_SavedPasswordRoundTrip);

void BM_Base64Encode(benchmark::State& state)
{
    const std::vector<char> in = Bytes(kMB);
    for (auto _ : state)
        benchmark::DoNotOptimize(Base64Encode(reinterpret_cast<const unsigned char*>(in.data()), in.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMB));
}
BENCHMARK(BM_Base64Encode);

void BM_Base64Decode(benchmark::State& state)
{
    const std::vector<char> in = Bytes(kMB);
    const std::string text = Base64Encode(reinterpret_cast<const unsigned char*>(in.data()), in.size());
    for (auto _ : state) {
        size_t n = 0;
        unsigned char* p = Base64Decode(text.data(), text.size(), &n);
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMB));
}
BENCHMARK(BM_Base64Decode);

void BM_HexEncodeDecode(benchmark::State& state)
{
    const bool decode = state.range(0) != 0;
    const std::vector<char> in = Bytes(kMB);
    std::string text(2 * kMB + 1, '\0');
    BytesToHex(reinterpret_cast<const unsigned char*>(in.data()), &text[0], kMB);
    std::vector<unsigned char> back(kMB);
    for (auto _ : state) {
        if (decode)
            HexToBytes(text.c_str(), back.data(), kMB);
        else
            BytesToHex(reinterpret_cast<const unsigned char*>(in.data()), &text[0], kMB);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMB));
}
BENCHMARK(BM_HexEncodeDecode)->Arg(0)->Arg(1)->ArgName("decode");

}  // namespace
