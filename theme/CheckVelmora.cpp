// The theme check: what is wrong with a theme file and the files it names.
#include "theme/CheckVelmora.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>

#include "platform/FileSystem.h"
#include "registry/RegistryText.h"
#include "registry/SameText.h"
#include "theme/ThemeFileKeys.h"
#include "theme/WebAddress.h"
#include "theme/clsVelmora.h"

namespace velmora {

namespace {

struct Size {
    long width;
    long height;
};

// A little-endian field of a file's bytes.
std::uint32_t Little(const std::string& bytes, std::size_t at, std::uint32_t count) {
    return DwordOf(reinterpret_cast<const std::uint8_t*>(bytes.data()) + at, count);
}

// The size of a bitmap file Windows can load: its file header, an info header of a known
// length, one plane, a known colour depth, a positive width and a height (negative: stored
// top down). Nothing for anything else.
std::optional<Size> BitmapSize(const std::string& bytes) {
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) return std::nullopt;
    const std::uint32_t header = Little(bytes, 14, 4);
    long width = 0, height = 0;
    std::uint32_t planes = 0, depth = 0;
    if (header == 12) {
        width = Little(bytes, 18, 2), height = Little(bytes, 20, 2);
        planes = Little(bytes, 22, 2), depth = Little(bytes, 24, 2);
    } else if ((header == 40 || header == 52 || header == 56 || header == 108 || header == 124) &&
               bytes.size() >= 14 + header) {
        width = static_cast<std::int32_t>(Little(bytes, 18, 4));
        height = std::labs(static_cast<std::int32_t>(Little(bytes, 22, 4)));
        planes = Little(bytes, 26, 2), depth = Little(bytes, 28, 2);
    } else {
        return std::nullopt;
    }
    const bool knownDepth =
        depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    if (planes != 1 || !knownDepth || width <= 0 || height <= 0 ||
        Little(bytes, 10, 4) >= bytes.size()) {
        return std::nullopt;
    }
    return Size{width, height};
}

bool IsWave(const std::string& bytes) {
    return bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 &&
           bytes.compare(8, 4, "WAVE") == 0;
}

bool IsHttpAddress(const std::string& text) {
    return SameText(text.substr(0, 7), "http://") || SameText(text.substr(0, 8), "https://");
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

const ThemeFileKey* FindKey(const std::string& name) {
    for (const ThemeFileKey& key : kThemeFileKeys)
        if (SameText(key.name, name)) return &key;
    return nullptr;
}

// Unknown and doubled keys of the theme's section, by line.
void CheckKeyNames(const std::string& text, std::vector<ThemeFinding>& findings) {
    bool inSection = false;
    std::set<std::string> seen;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string::npos &&
                        SameText(Trim(line.substr(1, close - 1)), kThemeSection);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        const std::string name = Trim(line.substr(0, equals));
        const std::string where = "Line " + std::to_string(number + 1) + ": ";
        const ThemeFileKey* key = FindKey(name);
        if (!key) {
            findings.push_back({Severity::Warning,
                                where + "\"" + name + "\" is not a theme key (a typing error?)."});
        } else if (!seen.insert(key->name).second) {
            findings.push_back({Severity::Warning,
                                where + "\"" + name + "\" stands twice; the first one counts."});
        }
    }
}

// What is wrong with the value of one key, if anything.
std::optional<ThemeFinding> CheckValue(const FileSystem& files, const ThemeFileKey& key,
                                       const std::string& value) {
    const std::string named = std::string(key.name) + " names " + value;
    if (key.kind == ThemeValue::Page) {
        if (IsHttpAddress(value) || files.IsNormalFile(value)) return std::nullopt;
        return ThemeFinding{
            Severity::Warning,
            named + ", which is neither a file that exists nor an http(s) address."};
    }
    if (SameText(value, "None") && key.kind != ThemeValue::Sound && key.kind != ThemeValue::File)
        return std::nullopt;  // the picture is taken away
    if (!files.IsNormalFile(value))
        return ThemeFinding{Severity::Error, named + ", which is missing."};
    const std::string bytes = files.ReadFile(value).value_or("");
    if (key.kind == ThemeValue::Sound && !IsWave(bytes))
        return ThemeFinding{Severity::Error, named + ", which is not a WAV sound."};
    if (key.kind != ThemeValue::Picture && key.kind != ThemeValue::Strip) return std::nullopt;
    const std::optional<Size> size = BitmapSize(bytes);
    if (!size) return ThemeFinding{Severity::Error, named + ", which is not a Windows bitmap."};
    if (key.kind == ThemeValue::Strip && size->height % size->width != 0) {
        return ThemeFinding{Severity::Warning,
                            named + ", a strip " + std::to_string(size->width) + " x " +
                                std::to_string(size->height) +
                                " pixels: its height is not a whole number of square cells."};
    }
    return std::nullopt;
}

}  // namespace

std::vector<ThemeFinding> CheckVelmora(const Platform& platform, const std::string& file) {
    std::vector<ThemeFinding> findings;
    const FileSystem& files = *platform.files;
    if (!files.IsNormalFile(file))
        return {{Severity::Error, "There is no theme file at " + file + "."}};
    const std::optional<std::string> text = files.ReadFile(file);
    clsVelmora theme(platform);
    if (!text || !theme.LoadVelmora(file))
        return {{Severity::Error, "The theme file " + file + " cannot be read."}};

    CheckKeyNames(*text, findings);
    if (theme.ThemeTitle() == "[Untitled]")
        findings.push_back({Severity::Warning,
                            "There is no ThemeTitle: the theme is listed as "
                            "\"[Untitled]\"."});
    for (const ThemeFileKey& key : kThemeFileKeys) {
        const std::string& value = theme.Text(key.key);
        if (value.empty()) continue;
        if (key.key == ThemeKey::WebSite && !IsWebAddress(value))
            findings.push_back({Severity::Warning, "WebSite names " + value +
                                                       ", which is no web address: its link "
                                                       "will not be opened."});
        if (key.kind == ThemeValue::Text) continue;
        if (auto finding = CheckValue(files, key, value)) findings.push_back(*finding);
    }
    return findings;
}

std::string FindingLine(const ThemeFinding& finding) {
    return (finding.severity == Severity::Error ? "error: " : "warning: ") + finding.sentence;
}

int WorstSeverityCode(const std::vector<ThemeFinding>& findings) {
    int code = 0;
    for (const ThemeFinding& finding : findings)
        code = std::max(code, finding.severity == Severity::Error ? 2 : 1);
    return code;
}

}  // namespace velmora
