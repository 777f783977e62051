// Profile double: values of initialisation files in memory, read as the profile port promises
// (names in any letter case, the caller's buffer size honoured). How a file's bytes become
// values is Windows' to decide: the Wine tests load real files through the real function.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ProfileReader.h"
#include "registry/SameText.h"
#include "tests/support/MemoryFileSystem.h"

namespace velmora::test {

class MemoryProfile : public ProfileReader {
public:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    // Gives section of the file at path these keys, replacing what it held.
    void SetSection(const std::string& path, const std::string& section, Keys keys) {
        for (Section& s : sections_)
            if (SameText(s.path, path) && SameText(s.name, section)) return void(s.keys = keys);
        sections_.push_back({path, section, std::move(keys)});
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        const std::string* value = &defaultValue;  // the first key of that name counts
        for (const Section& s : sections_) {
            if (!SameText(s.path, path) || !SameText(s.name, section)) continue;
            for (auto k = s.keys.rbegin(); k != s.keys.rend(); ++k)
                if (SameText(k->first, key)) value = &k->second;
        }
        // A buffer of n characters holds n - 1 of them and the terminating NUL.
        return bufferSize == 0 ? std::string() : value->substr(0, bufferSize - 1);
    }

private:
    struct Section {
        std::string path, name;
        Keys keys;
    };
    std::vector<Section> sections_;
};

// A theme file for both ports: a normal file at path, whose [Velmora] section holds keys.
inline void AddThemeFile(MemoryFileSystem& files, MemoryProfile& profile, const std::string& path,
                         MemoryProfile::Keys keys,
                         unsigned attributes = MemoryFileSystem::kArchive) {
    files.AddFile(path, std::string(), attributes);
    profile.SetSection(path, "Velmora", std::move(keys));
}

}  // namespace velmora::test
