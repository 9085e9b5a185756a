#include "tests/fuzz/Mutator.h"

namespace fuzz {

uint64_t CMutator::Next()
{
    // xorshift64*: small, fast and repeatable from its seed.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 0x2545F4914F6CDD1Dull;
}

std::string CMutator::Mutate(const std::string& input, const std::vector<std::string>& tokens,
                             const std::vector<std::string>& others, size_t nMaxSize)
{
    std::string s = input;
    const int nSteps = 1 + (int)Below(4);
    for (int i = 0; i < nSteps; ++i) {
        const size_t at = Below(s.size() + 1);
        switch (Below(8)) {
        case 0:   // flip a bit
            if (!s.empty()) s[Below(s.size())] ^= (char)(1u << Below(8));
            break;
        case 1:   // a random byte, often one of the edges
            if (!s.empty()) {
                static const unsigned char kEdges[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, '0', '9', '-'};
                s[Below(s.size())] = (char)(Below(2) ? kEdges[Below(sizeof kEdges)] : (unsigned char)Below(256));
            }
            break;
        case 2:   // a token of the format
            if (!tokens.empty()) s.insert(at, tokens[Below(tokens.size())]);
            break;
        case 3: {   // delete a range
            if (s.empty()) break;
            const size_t from = Below(s.size());
            s.erase(from, 1 + Below(std::min<size_t>(s.size() - from, 64)));
            break;
        }
        case 4: {   // duplicate a range
            if (s.empty()) break;
            const size_t from = Below(s.size());
            const size_t len = 1 + Below(std::min<size_t>(s.size() - from, 256));
            s.insert(at, s.substr(from, len));
            break;
        }
        case 5:   // cut the end off
            s.resize(Below(s.size() + 1));
            break;
        case 6: {   // splice with another input
            if (others.empty()) break;
            const std::string& o = others[Below(others.size())];
            s = s.substr(0, at) + o.substr(Below(o.size() + 1));
            break;
        }
        default: {   // a number of edge size in place of some digits
            static const char* kNumbers[] = {"0", "-1", "2147483647", "-2147483648", "4294967295",
                                             "1e308", "NaN", "99999999999999999999"};
            s.insert(at, kNumbers[Below(sizeof kNumbers / sizeof kNumbers[0])]);
            break;
        }
        }
    }
    if (s.size() > nMaxSize) s.resize(nMaxSize);
    return s;
}

}  // namespace fuzz
