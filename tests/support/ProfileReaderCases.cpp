// Initialisation files and what GetPrivateProfileStringA reads from them, measured under
// Wine: the portable reader's tests and the real function's tests share this list.
#include "tests/support/ProfileReaderCases.h"

#include <utility>

namespace velmora::test {

namespace {

using namespace std::string_literals;

ProfileReaderCase C(std::string what, std::string file, std::string key, std::string expected,
                    std::string section = "Velmora", std::string defaultValue = "",
                    std::size_t bufferSize = 255) {
    return ProfileReaderCase{std::move(what),     std::move(file),    std::move(key),
                             std::move(expected), std::move(section), std::move(defaultValue),
                             bufferSize};
}

std::vector<ProfileReaderCase> MakeCases() {
    const std::string a254(254, 'a');
    const std::string longLine(100000, 'x');
    return {
        // Names and letter case.
        C("plain value", "[Velmora]\r\nTitle=Ocean\r\n", "Title", "Ocean"),
        C("key asked in other case", "[Velmora]\r\nTitle=Ocean\r\n", "tITLE", "Ocean"),
        C("key written in lower case", "[Velmora]\r\ntitle=Ocean\r\n", "Title", "Ocean"),
        C("section in other case", "[VELMORA]\r\nTitle=Ocean\r\n", "Title", "Ocean"),
        C("section asked in other case", "[Velmora]\r\nTitle=Ocean\r\n", "Title", "Ocean",
          "vELMORA"),
        C("accented letters are not folded", "[Velmora]\n\xc9=1\n", "\xe9", ""),
        C("accented letters match themselves", "[Velmora]\n\xc9=1\n", "\xc9", "1"),
        C("asked names are trimmed", "[Velmora]\nTitle=Ocean\n", " Title\t", "Ocean", " velmora "),
        C("inner blank of a name counts", "[Velmora]\nA B=1\nAB=2\n", "A B", "1"),

        // Blanks.
        C("blanks around name and value", "[Velmora]\n  Title \t=\t Ocean blue \t \n", "Title",
          "Ocean blue"),
        C("vertical tab, form feed and Ctrl-Z are blanks",
          "[Velmora]\nTitle=\v\f\x1a"
          "1\x1a\n",
          "Title", "1"),
        C("no-break space is not a blank", "[Velmora]\nTitle=\xa0x\xa0\n", "Title", "\xa0x\xa0"),
        C("blank-only value", "[Velmora]\nTitle= \t \n", "Title", ""),

        // Quotes.
        C("double quotes dropped", "[Velmora]\nTitle=\"Ocean\"\n", "Title", "Ocean"),
        C("single quotes dropped", "[Velmora]\nTitle='Ocean'\n", "Title", "Ocean"),
        C("blanks inside quotes kept", "[Velmora]\nTitle= ' a ' \n", "Title", " a "),
        C("mismatched quotes kept", "[Velmora]\nTitle=\"Ocean'\n", "Title", "\"Ocean'"),
        C("opening quote alone kept", "[Velmora]\nTitle=\"Ocean\n", "Title", "\"Ocean"),
        C("single quote character kept", "[Velmora]\nTitle=\"\n", "Title", "\""),
        C("empty quotes give empty", "[Velmora]\nTitle=\"\"\n", "Title", ""),
        C("only the outer pair dropped", "[Velmora]\nTitle=\"a\"b\"\n", "Title", "a\"b"),
        C("closing quote after text", "[Velmora]\nTitle=a\"\n", "Title", "a\""),

        // Which occurrence counts.
        C("first of two keys", "[Velmora]\nTitle=A\nTitle=B\n", "Title", "A"),
        C("first of two keys in other case", "[Velmora]\ntitle=A\nTITLE=B\n", "Title", "A"),
        C("empty first key hides the second", "[Velmora]\nTitle=\nTitle=B\n", "Title", ""),
        C("key without = hides the second", "[Velmora]\nTitle\nTitle=B\n", "Title", ""),
        C("only the first section of a name", "[Velmora]\nTitle=A\n[Other]\n[velmora]\nAuthor=B\n",
          "Author", ""),
        C("first section's key wins", "[Velmora]\nTitle=A\n[velmora]\nTitle=C\n", "Title", "A"),
        C("key of another section", "[Other]\nTitle=A\n", "Title", ""),
        C("keys before any section are not in it", "Title=A\n[Velmora]\nAuthor=B\n", "Title", ""),
        C("keys before any section form the unnamed one", "Title=A\n[Velmora]\n", "Title", "A", ""),
        C("an empty header is not the unnamed section", "[]\nTitle=A\n", "Title", "", ""),

        // Section headers.
        C("blanks inside the brackets", "[ Velmora\t]\nTitle=1\n", "Title", "1"),
        C("text after the header", "[Velmora] ; theme\nTitle=1\n", "Title", "1"),
        C("header runs to the last bracket", "[Velmora]]\nTitle=1\n", "Title", ""),
        C("header without closing bracket is a key", "[Velmora\nTitle=1\n", "Title", ""),
        C("indented header", "  [Velmora]  \nTitle=1\n", "Title", "1"),
        C("= after the header", "[Velmora]=x\nTitle=1\n", "Title", "1"),
        C("key line starting with a bracket", "[Velmora]\n[Title=1\nTitle=2\n", "Title", "2"),

        // Lines.
        C("CR-only line ends", "[Velmora]\rAuthor=1\rTitle=2\r", "Title", "2"),
        C("LF-only line ends", "[Velmora]\nAuthor=1\nTitle=2\n", "Title", "2"),
        C("mixed line ends", "[Velmora]\nAuthor=1\rTitle=2\n\rEmail=3", "Title", "2"),
        C("CR inside a quoted value ends the line", "[Velmora]\nTitle=\"x\ry\"\n", "Title", "\"x"),
        C("no line end at the end", "[Velmora]\nTitle=2", "Title", "2"),
        C("semicolon does not start a comment", "[Velmora]\n;Title=A\nTitle=B ; c\n", "Title",
          "B ; c"),
        C("a comment-like line is a key", "[Velmora]\n;Title=A\n", ";Title", "A"),
        C("first = splits", "[Velmora]\nTitle==6\n", "Title", "=6"),
        C("empty name found by a blank key", "[Velmora]\n=5\n", " ", "5"),
        C("empty key finds the empty name", "[Velmora]\n=5\n", "", "5", "Velmora", "dflt"),
        C("empty key without an empty name", "[Velmora]\nTitle=5\n", "", "dflt", "Velmora", "dflt"),

        // NUL characters.
        C("NUL ends a value", "[Velmora]\nTitle=ab\0cd\n"s, "Title", "ab"),
        C("NUL ends a name", "[Velmora]\nTitle\0junk=1\n"s, "Title", "1"),
        C("NUL ends a section name", "[Velmora\0junk]\nTitle=1\n"s, "Title", "1"),
        C("blank before a NUL stays", "[Velmora]\nTitle=x \0 \n"s, "Title", "x "),
        C("quotes judged up to the NUL", "[Velmora]\nTitle='x'\0junk\n"s, "Title", "x"),

        // Length.
        C("254 characters kept", "[Velmora]\nTitle=" + a254 + "\n", "Title", a254),
        C("255 cut to 254", "[Velmora]\nTitle=" + a254 + "b\n", "Title", a254),
        C("300 cut to 254", "[Velmora]\nTitle=" + std::string(300, 'a') + "\n", "Title", a254),
        C("quoted 254 loses its quotes", "[Velmora]\nTitle=\"" + std::string(252, 'a') + "\"\n",
          "Title", std::string(252, 'a')),
        C("quoted 255 loses its quotes", "[Velmora]\nTitle=\"" + std::string(253, 'a') + "\"\n",
          "Title", std::string(253, 'a')),
        C("quoted 256 loses a letter too", "[Velmora]\nTitle=\"" + a254 + "\"\n", "Title",
          std::string(253, 'a')),
        C("quoted 257 keeps no closing quote", "[Velmora]\nTitle=\"" + a254 + "a\"\n", "Title",
          a254),
        C("very long line before the key", "[Velmora]\nA=" + longLine + "\nTitle=2\n", "Title",
          "2"),
        C("very long value", "[Velmora]\nTitle=" + longLine + "\n", "Title", std::string(254, 'x')),

        // Buffer sizes and defaults.
        C("buffer of one", "[Velmora]\nTitle=abc\n", "Title", "", "Velmora", "", 1),
        C("buffer of two", "[Velmora]\nTitle=abc\n", "Title", "a", "Velmora", "", 2),
        C("quoted value cut before its closing quote", "[Velmora]\nTitle='xy'\n", "Title", "x",
          "Velmora", "", 3),
        C("quoted value that just fits", "[Velmora]\nTitle='xy'\n", "Title", "xy", "Velmora", "",
          4),
        C("missing key gives the default", "[Velmora]\n", "Title", "dflt", "Velmora", "dflt"),
        C("default loses trailing spaces", "[Velmora]\n", "Title", " d", "Velmora", " d  "),
        C("default loses its quotes", "[Velmora]\n", "Title", "q", "Velmora", "'q'"),
        C("key without = gives the default", "[Velmora]\nTitle\n", "Title", "dflt", "Velmora",
          "dflt"),
        C("empty value is not the default", "[Velmora]\nTitle=\n", "Title", "", "Velmora", "dflt"),
        C("default cut to the buffer", "[Velmora]\n", "Title", "de", "Velmora", "default", 3),

        // Whole files.
        C("empty file", "", "Title", ""),
        C("file without the section", "Title=A\nAuthor=B\n", "Author", ""),
        C("binary junk", "\x01\x02\xff\xfe\x00[\x80]\x1b=\x7f\n=\n\x00"s, "Title", ""),

        // Code pages.
        C("high bytes read back unchanged", "[Velmora]\nTitle=\x80\x81\x9f\xa0\xff\n", "Title",
          "\x80\x81\x9f\xa0\xff"),
        C("UTF-8 with byte-order mark", "\xef\xbb\xbf[Velmora]\nTitle=caf\xc3\xa9\n", "Title",
          "caf\xe9"),
        C("UTF-8 beyond the code page",
          "\xef\xbb\xbf[Velmora]\nTitle=\xe2\x82\xac \xc4\x80 \xe4\xb8\xad \xf0\x9f\x98\x80\n",
          "Title", "\x80 A ? ??"),
        C("broken UTF-8", "\xef\xbb\xbf[Velmora]\nTitle=\xff\xfe\x80x\xc0\x80\xed\xa0\x80.\n",
          "Title", "???x????."),
        C("UTF-8 cut off at the end swallows the rest", "\xef\xbb\xbf[Velmora]\nTitle=a\xf0\x9fx",
          "Title", "a?"),
        C("UTF-16 little end first",
          "\xff\xfe[\0V\0e\0l\0m\0o\0r\0a\0]\0\r\0\n\0T\0i\0t\0l\0e\0=\0\xe9\0\x00\x01\r\0\n\0"s,
          "Title",
          "\xe9"
          "A"),
        C("UTF-16 big end first",
          "\xfe\xff\0[\0V\0e\0l\0m\0o\0r\0a\0]\0\n\0T\0i\0t\0l\0e\0=\0x\x4e\x2d"s, "Title", "x?"),
        C("UTF-16 without byte-order mark is not read",
          "[\0V\0e\0l\0m\0o\0r\0a\0]\0\n\0T\0i\0t\0l\0e\0=\0x\0"s, "Title", ""),
    };
}

}  // namespace

const std::vector<ProfileReaderCase>& ProfileReaderCases() {
    static const std::vector<ProfileReaderCase> cases = MakeCases();
    return cases;
}

}  // namespace velmora::test
