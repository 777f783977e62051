// An initialisation file parsed the way the platform's profile functions read it.
#include "theme/ProfileDocument.h"

#include "theme/AnsiCodePage.h"

namespace velmora {

namespace {

char16_t AsciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

bool ProfileDocument::IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A;
}

ProfileDocument::ProfileDocument(std::string_view bytes) : text_(Decode(bytes)) {
    Parse();
}

std::u16string ProfileDocument::Decode(std::string_view bytes) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        return Utf8ToWide(bytes.substr(3));
    }
    if (bytes.size() >= 2 &&
        ((byteAt(0) == 0xFF && byteAt(1) == 0xFE) || (byteAt(0) == 0xFE && byteAt(1) == 0xFF))) {
        const bool littleEndian = byteAt(0) == 0xFF;
        std::u16string wide;
        wide.reserve(bytes.size() / 2);
        std::size_t i = 2;
        for (; i + 1 < bytes.size(); i += 2) {
            wide += littleEndian ? char16_t(byteAt(i) | (byteAt(i + 1) << 8))
                                 : char16_t((byteAt(i) << 8) | byteAt(i + 1));
        }
        // The platform reads one byte beyond an odd-length file, so the last character is
        // unknowable; it is taken as one that has no ANSI form.
        if (i < bytes.size()) wide += u'\uFFFD';
        return wide;
    }
    return AnsiToWide(bytes);
}

void ProfileDocument::Parse() {
    sections_.push_back(Section{});  // the keys before the first header
    const std::size_t size = text_.size();
    std::size_t next = 0;
    while (next < size) {
        std::size_t start = next;
        while (next < size && !IsLineBreak(text_[next])) ++next;
        std::size_t end = next;
        while (next < size && IsLineBreak(text_[next])) ++next;

        while (start < end && IsBlank(text_[start])) ++start;
        while (end > start && IsBlank(text_[end - 1])) --end;
        if (start == end) continue;

        if (text_[start] == u'[') {
            std::size_t close = end - 1;
            while (close > start && text_[close] != u']') --close;
            if (close > start) {
                std::size_t nameBegin = start + 1;
                std::size_t nameEnd = close;
                while (nameBegin < nameEnd && IsBlank(text_[nameBegin])) ++nameBegin;
                while (nameEnd > nameBegin && IsBlank(text_[nameEnd - 1])) --nameEnd;
                sections_.push_back(Section{TextUpToNul(nameBegin, nameEnd), {}});
                continue;
            }
        }

        Key key;
        std::size_t equals = start;
        while (equals < end && text_[equals] != u'=') ++equals;
        if (equals < end) {
            std::size_t nameEnd = equals;
            while (nameEnd > start && IsBlank(text_[nameEnd - 1])) --nameEnd;
            std::size_t valueBegin = equals + 1;
            while (valueBegin < end && IsBlank(text_[valueBegin])) ++valueBegin;
            key.name = TextUpToNul(start, nameEnd);
            key.hasValue = true;
            key.value = TextUpToNul(valueBegin, end);
        } else {
            key.name = TextUpToNul(start, end);
        }
        sections_.back().keys.push_back(key);
    }
}

ProfileDocument::Span ProfileDocument::TextUpToNul(std::size_t begin, std::size_t end) const {
    std::size_t stop = begin;
    while (stop < end && text_[stop] != u'\0') ++stop;
    return Span{begin, stop - begin};
}

std::u16string_view ProfileDocument::View(Span span) const {
    return std::u16string_view(text_).substr(span.begin, span.length);
}

std::optional<std::u16string_view> ProfileDocument::Find(std::u16string_view section,
                                                         std::u16string_view key) const {
    for (const Section& candidate : sections_) {
        if (!NamesEqual(View(candidate.name), section)) continue;
        // Only the first section of the name is searched.
        for (const Key& entry : candidate.keys) {
            if (!NamesEqual(View(entry.name), key)) continue;
            if (!entry.hasValue) return std::nullopt;
            return View(entry.value);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace velmora
