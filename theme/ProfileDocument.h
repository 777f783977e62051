// An initialisation file parsed the way the platform's profile functions read it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The reading rules, as the platform applies them:
// - A file starting with the UTF-8 byte-order mark is UTF-8, one starting with FF FE or FE FF
//   is UTF-16 (little or big end first); any other file is in the ANSI code page.
// - Lines end at any run of carriage returns and line feeds, so CR-only, LF-only and mixed
//   files read alike. Blanks (space, tab, vertical tab, form feed, Ctrl-Z) around a line are
//   dropped; empty lines are skipped.
// - "[" starts a section header; its name runs to the line's last "]" and is trimmed of
//   blanks. A line starting with "[" but holding no "]" is a key line.
// - Otherwise the line is a key: the name runs to the first "=", the value follows it, both
//   trimmed. A line without "=" is a key without a value. No comment syntax: ";x=1" is the
//   key ";x". Keys before the first header belong to an unnamed section.
// - A NUL character ends a name or value where it stands.
// - Only the first section of a name is searched, and the first key of a name in it counts,
//   even when that key has no value. Names match with ASCII letters compared without regard
//   to case; every other character must be the same.
class ProfileDocument {
public:
    explicit ProfileDocument(std::string_view bytes);

    // The value of key in section, or nothing when the section or key is missing or the key
    // has no "=". section and key are compared as given (the caller trims them).
    std::optional<std::u16string_view> Find(std::u16string_view section,
                                            std::u16string_view key) const;

    // True for the characters the platform trims around lines, names and values.
    static bool IsBlank(char16_t c);

private:
    struct Span {
        std::size_t begin = 0;
        std::size_t length = 0;
    };
    struct Key {
        Span name;
        bool hasValue = false;
        Span value;
    };
    struct Section {
        Span name;
        std::vector<Key> keys;
    };

    static std::u16string Decode(std::string_view bytes);
    void Parse();
    Span TextUpToNul(std::size_t begin, std::size_t end) const;
    std::u16string_view View(Span span) const;

    std::u16string text_;
    std::vector<Section> sections_;
};

}  // namespace velmora
