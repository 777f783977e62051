// Profile double: values of initialisation files in memory, read back as the profile port
// promises.
#include "tests/support/MemoryProfile.h"

#include "registry/SameText.h"

namespace velmora::test {

void MemoryProfile::SetSection(const std::string& path, const std::string& section, Keys keys) {
    for (Section& s : sections_) {
        if (SameText(s.path, path) && SameText(s.name, section)) {
            s.keys = std::move(keys);
            return;
        }
    }
    sections_.push_back({path, section, std::move(keys)});
}

std::string MemoryProfile::ReadString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::size_t bufferSize,
                                      const std::string& path) {
    const std::string* value = &defaultValue;
    for (const Section& s : sections_) {
        if (!SameText(s.path, path) || !SameText(s.name, section)) continue;
        for (const auto& [name, text] : s.keys) {
            if (SameText(name, key)) {
                value = &text;
                break;
            }
        }
        break;
    }
    // A buffer of n characters holds n - 1 of them and the terminating NUL.
    return bufferSize == 0 ? std::string() : value->substr(0, bufferSize - 1);
}

}  // namespace velmora::test
