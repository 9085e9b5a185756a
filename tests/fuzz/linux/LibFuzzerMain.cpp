// libFuzzer's entry points around one target of FuzzTargets.cpp, chosen when the program is built
// (ZEL_FUZZ_TARGET). With ZEL_FUZZ_WRITE_SEEDS=<folder> set, the program writes the target's seed
// inputs into the folder and its tokens as a libFuzzer dictionary (<folder>.dict), then ends:
// scripts/fuzz.sh starts every corpus from them.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

std::string ReadSourceFile(const std::string& relative)
{
    const char* root = std::getenv("ZEL_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ZEL_DEFAULT_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring WriteScratchFile(const std::string& bytes)
{
    static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/zel_fuzz_" + std::to_string(getpid()) + ".xml";
    static const bool removedAtExit = std::atexit([] { unlink(path.c_str()); }) == 0;
    (void)removedAtExit;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    // The path is plain ASCII: each byte is one UTF-16 unit.
    return std::wstring(path.begin(), path.end());
}

}  // namespace fuzz

namespace {

const fuzz::STarget* g_pTarget = nullptr;

// A token as a dictionary entry: quoted, with every byte outside printable ASCII as \xNN.
std::string DictionaryEntry(const std::string& token)
{
    std::string line = "\"";
    for (unsigned char c : token) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            line += (char)c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            line += hex;
        }
    }
    return line + "\"";
}

void WriteSeeds(const std::string& folder)
{
    int n = 0;
    for (const std::string& seed : g_pTarget->seeds()) {
        std::ofstream(folder + "/seed-" + std::to_string(++n), std::ios::binary) << seed;
    }
    std::ofstream dict(folder + ".dict");
    for (const std::string& token : g_pTarget->tokens) dict << DictionaryEntry(token) << "\n";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The C library's wide formatting reads narrow text arguments as UTF-8.
    std::setlocale(LC_ALL, "C.UTF-8");
    g_pTarget = fuzz::FindTarget(ZEL_FUZZ_TARGET);
    if (!g_pTarget) {
        std::fprintf(stderr, "fuzz: no target named %s\n", ZEL_FUZZ_TARGET);
        std::exit(2);
    }
    if (const char* folder = std::getenv("ZEL_FUZZ_WRITE_SEEDS")) {
        WriteSeeds(folder);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // As the Wine runner: inputs are cut to the target's largest size. An exception escaping
    // the parser ends the run (std::terminate), which libFuzzer reports as a crash.
    if (size > g_pTarget->maxSize) size = g_pTarget->maxSize;
    g_pTarget->run(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
