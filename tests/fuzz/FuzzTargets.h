#pragma once
// The parsers of outside input, each as a target that takes any bytes: what the servers, the
// other programs and the files on disk can hand the client.
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

}  // namespace fuzz
