// Reads initialisation-file values through the file port, by the platform's rules.
#include "theme/PortableProfileReader.h"

#include <optional>
#include <string_view>
#include <utility>

#include "theme/AnsiCodePage.h"

namespace velmora {

namespace {

// The platform's texts are NUL-terminated: whatever follows a NUL is not seen.
std::string_view UpToNul(const std::string& text) {
    return std::string_view(text.c_str());
}

std::u16string Trimmed(std::u16string text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && ProfileDocument::IsBlank(text[begin])) ++begin;
    while (end > begin && ProfileDocument::IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// How a value reaches the caller's buffer of size characters: one pair of enclosing quotes
// is dropped, and at most size - 1 characters are copied. The platform drops the closing
// quote only when the buffer could hold the whole value after the opening quote; and it
// then drops the last character copied, whatever it is, so a quoted value just longer than
// the buffer loses one more character.
std::u16string CopyEntry(std::u16string_view value, std::size_t size) {
    bool quoted = false;
    if (value.size() >= 2 && (value[0] == u'\'' || value[0] == u'"') && value.back() == value[0]) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::u16string copied(value.substr(0, size - 1));
    if (quoted && size >= value.size() && !copied.empty()) copied.pop_back();
    return copied;
}

}  // namespace

PortableProfileReader::PortableProfileReader(const FileSystem& files) : files_(files) {}

const ProfileDocument* PortableProfileReader::Load(const std::string& path) {
    // A bare file name names a file in the Windows folder, which the file port cannot see.
    if (path.find_first_of("\\/") == std::string::npos) return nullptr;
    std::optional<std::string> bytes = files_.ReadFile(path);
    if (!bytes) return nullptr;
    if (!cachedDocument_ || path != cachedPath_ || *bytes != cachedBytes_) {
        cachedDocument_.reset();
        cachedDocument_ = std::make_unique<ProfileDocument>(*bytes);
        cachedPath_ = path;
        cachedBytes_ = std::move(*bytes);
    }
    return cachedDocument_.get();
}

std::string PortableProfileReader::ReadString(const std::string& section, const std::string& key,
                                              const std::string& defaultValue,
                                              std::size_t bufferSize, const std::string& path) {
    if (bufferSize == 0) return std::string();

    // Trailing spaces of the default are dropped, but never its first character.
    std::u16string fallback = AnsiToWide(UpToNul(defaultValue));
    while (fallback.size() > 1 && fallback.back() == u' ') fallback.pop_back();

    // One difference is left: when the file is missing the platform drops enclosing quotes
    // of the default as it does of a value, but when the path names a folder or a missing
    // folder it keeps them. The file port does not tell the two apart, so a quoted default
    // always loses its quotes here. The theme load's default is empty.
    std::u16string_view source = fallback;
    if (const ProfileDocument* document = Load(path)) {
        // An empty key name is a name like any other: it finds a line such as "=5".
        const std::optional<std::u16string_view> found = document->Find(
            Trimmed(AnsiToWide(UpToNul(section))), Trimmed(AnsiToWide(UpToNul(key))));
        if (found) source = *found;
    }
    return WideToAnsi(CopyEntry(source, bufferSize));
}

}  // namespace velmora
