// Initialisation files and what GetPrivateProfileStringA reads from them, measured under
// Wine: the portable reader's tests and the real function's tests share this list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::test {

struct ProfileReaderCase {
    std::string what;  // the rule the case shows
    std::string file;  // the file's bytes
    std::string key;
    std::string expected;
    std::string section = "Velmora";
    std::string defaultValue = "";
    std::size_t bufferSize = 255;
};

const std::vector<ProfileReaderCase>& ProfileReaderCases();

}  // namespace velmora::test
