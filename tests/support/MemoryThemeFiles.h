// Theme files in memory, read back through the portable profile reading.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"

namespace velmora::test {

struct MemoryThemeFiles {
    using Keys = std::vector<std::pair<std::string, std::string>>;

    // Adds or replaces a theme file whose "Velmora" section holds keys.
    void AddTheme(const std::string& path, const Keys& keys) {
        std::string text = "[Velmora]\r\n";
        for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
        files.AddFile(path, text);
    }

    MemoryFileSystem files;
    PortableProfileReader profile{files};
};

}  // namespace velmora::test
