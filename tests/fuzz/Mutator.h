#pragma once
// Seeded mutations of a byte string: flips, random bytes, insertions of a target's tokens,
// deletions, duplications and splices with another input. The same seed gives the same inputs.
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class CMutator {
public:
    explicit CMutator(uint64_t nSeed) : m_state(nSeed ? nSeed : 0x9E3779B97F4A7C15ull) {}
    uint64_t Next();
    size_t Below(size_t n) { return n ? (size_t)(Next() % n) : 0; }
    // One to four mutations of the input; 'tokens' are pieces of the format worth inserting,
    // 'others' inputs to splice with. The result is at most nMaxSize bytes.
    std::string Mutate(const std::string& input, const std::vector<std::string>& tokens,
                       const std::vector<std::string>& others, size_t nMaxSize);

private:
    uint64_t m_state;
};

}  // namespace fuzz
