// Theme files for the one-shot action tests: files by exact path, whose "Velmora" section
// values the profile reading sees.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/ProfileReader.h"

namespace velmora::test {

// Files by exact path; theme files hold the values of their "Velmora" section.
class ThemeFiles : public FileSystem, public ProfileReader {
public:
    using Values = std::map<std::string, std::string>;

    void AddTheme(const std::string& path, Values values) { files_[path] = std::move(values); }
    void AddFile(const std::string& path) { files_[path]; }
    void Remove(const std::string& path) { files_.erase(path); }

    bool IsNormalFile(const std::string& path) const override { return files_.count(path) != 0; }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        if (!IsNormalFile(path)) return std::nullopt;
        return std::string();
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        auto file = files_.find(path);
        if (file == files_.end() || Lower(section) != "velmora") return defaultValue;
        for (const auto& [name, value] : file->second) {
            if (Lower(name) == Lower(key)) return value.substr(0, bufferSize - 1);
        }
        return defaultValue;
    }

private:
    static std::string Lower(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    std::map<std::string, Values> files_;
};

}  // namespace velmora::test
