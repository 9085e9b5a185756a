// The OpenSSL the program links is built with its assembly: on a processor with AES instructions
// it must use them, or TLS through the socket library crawls at a few per cent of plain TCP.
#include <openssl/crypto.h>

#include <cpuid.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

bool ProcessorHasAes()
{
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (ecx & bit_AES) != 0;
}

TEST(TlsCryptoBuild, UsesTheProcessorsAesInstructions)
{
    // Absent from a portable-C build: it only exists where the processor was probed.
    const char* settings = OPENSSL_info(OPENSSL_INFO_CPU_SETTINGS);
    ASSERT_NE(settings, nullptr) << "OpenSSL was built without its assembly";
    const std::string text = settings;
    const std::string key = "OPENSSL_ia32cap=";
    ASSERT_EQ(text.compare(0, key.size(), key), 0) << text;
    const unsigned long long capabilities = std::strtoull(text.c_str() + key.size(), nullptr, 16);
    if (!ProcessorHasAes()) GTEST_SKIP() << "this processor has no AES instructions";
    // Bit 57 of the capability vector: AES-NI, which the AES-GCM code takes.
    EXPECT_NE(capabilities & (1ULL << 57), 0u) << text;
}

}  // namespace
