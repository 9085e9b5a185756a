#pragma once
// The parsers of outside input, each as a target that takes any bytes: what the servers, the
// other programs and the files on disk can hand the client. The same targets serve the seeded
// mutation runner under Wine and, for the parsers that build for Linux, the libFuzzer runs.
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

struct STarget {
    const char* name;
    // Valid inputs to start from, and pieces of the format worth inserting.
    std::function<std::vector<std::string>()> seeds;
    std::vector<std::string> tokens;
    // Runs the parser on the input; throws nothing a caller would not expect.
    std::function<void(const std::string& input)> run;
    size_t maxSize;
};

const std::vector<STarget>& Targets();
// The target of that name, or null.
const STarget* FindTarget(const std::string& name);

// What each runner (the mutation loop under Wine, the coverage-guided one on Linux) gives the
// targets: a file of the source tree by its '/'-separated path from the top folder (empty when
// missing), and the path of the process's one scratch file, rewritten with the bytes.
std::string ReadSourceFile(const std::string& relative);
std::wstring WriteScratchFile(const std::string& bytes);

}  // namespace fuzz
