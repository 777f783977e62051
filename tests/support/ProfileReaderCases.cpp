// Initialisation files and what GetPrivateProfileStringA reads from them, measured under
// Wine: the portable reader's tests and the real function's tests share this list.
#include "tests/support/ProfileReaderCases.h"

namespace velmora::test {

namespace {

using namespace std::string_literals;

std::vector<ProfileReaderCase> MakeCases() {
    const std::string a254(254, 'a');
    const std::string longLine(100000, 'x');
    return {
        // Names and letter case.
        {"plain value", "[Velmora]\r\nTitle=Ocean\r\n", "Title", "Ocean"},
        {"key asked in other case", "[Velmora]\r\nTitle=Ocean\r\n", "tITLE", "Ocean"},
        {"key written in lower case", "[Velmora]\r\ntitle=Ocean\r\n", "Title", "Ocean"},
        {"section in other case", "[VELMORA]\r\nTitle=Ocean\r\n", "Title", "Ocean"},
        {"section asked in other case", "[Velmora]\r\nTitle=Ocean\r\n", "Title", "Ocean",
         "vELMORA"},
        {"accented letters are not folded", "[Velmora]\n\xc9=1\n", "\xe9", ""},
        {"accented letters match themselves", "[Velmora]\n\xc9=1\n", "\xc9", "1"},
        {"asked names are trimmed", "[Velmora]\nTitle=Ocean\n", " Title\t", "Ocean", " velmora "},
        {"inner blank of a name counts", "[Velmora]\nA B=1\nAB=2\n", "A B", "1"},

        // Blanks.
        {"blanks around name and value", "[Velmora]\n  Title \t=\t Ocean blue \t \n", "Title",
         "Ocean blue"},
        {"vertical tab, form feed and Ctrl-Z are blanks",
         "[Velmora]\nTitle=\v\f\x1a"
         "1\x1a\n",
         "Title", "1"},
        {"no-break space is not a blank", "[Velmora]\nTitle=\xa0x\xa0\n", "Title", "\xa0x\xa0"},
        {"blank-only value", "[Velmora]\nTitle= \t \n", "Title", ""},

        // Quotes.
        {"double quotes dropped", "[Velmora]\nTitle=\"Ocean\"\n", "Title", "Ocean"},
        {"single quotes dropped", "[Velmora]\nTitle='Ocean'\n", "Title", "Ocean"},
        {"blanks inside quotes kept", "[Velmora]\nTitle= ' a ' \n", "Title", " a "},
        {"mismatched quotes kept", "[Velmora]\nTitle=\"Ocean'\n", "Title", "\"Ocean'"},
        {"opening quote alone kept", "[Velmora]\nTitle=\"Ocean\n", "Title", "\"Ocean"},
        {"single quote character kept", "[Velmora]\nTitle=\"\n", "Title", "\""},
        {"empty quotes give empty", "[Velmora]\nTitle=\"\"\n", "Title", ""},
        {"only the outer pair dropped", "[Velmora]\nTitle=\"a\"b\"\n", "Title", "a\"b"},
        {"closing quote after text", "[Velmora]\nTitle=a\"\n", "Title", "a\""},

        // Which occurrence counts.
        {"first of two keys", "[Velmora]\nTitle=A\nTitle=B\n", "Title", "A"},
        {"first of two keys in other case", "[Velmora]\ntitle=A\nTITLE=B\n", "Title", "A"},
        {"empty first key hides the second", "[Velmora]\nTitle=\nTitle=B\n", "Title", ""},
        {"key without = hides the second", "[Velmora]\nTitle\nTitle=B\n", "Title", ""},
        {"only the first section of a name", "[Velmora]\nTitle=A\n[Other]\n[velmora]\nAuthor=B\n",
         "Author", ""},
        {"first section's key wins", "[Velmora]\nTitle=A\n[velmora]\nTitle=C\n", "Title", "A"},
        {"key of another section", "[Other]\nTitle=A\n", "Title", ""},
        {"keys before any section are not in it", "Title=A\n[Velmora]\nAuthor=B\n", "Title", ""},
        {"keys before any section form the unnamed one", "Title=A\n[Velmora]\n", "Title", "A", ""},
        {"an empty header is not the unnamed section", "[]\nTitle=A\n", "Title", "", ""},

        // Section headers.
        {"blanks inside the brackets", "[ Velmora\t]\nTitle=1\n", "Title", "1"},
        {"text after the header", "[Velmora] ; theme\nTitle=1\n", "Title", "1"},
        {"header runs to the last bracket", "[Velmora]]\nTitle=1\n", "Title", ""},
        {"header without closing bracket is a key", "[Velmora\nTitle=1\n", "Title", ""},
        {"indented header", "  [Velmora]  \nTitle=1\n", "Title", "1"},
        {"= after the header", "[Velmora]=x\nTitle=1\n", "Title", "1"},
        {"key line starting with a bracket", "[Velmora]\n[Title=1\nTitle=2\n", "Title", "2"},

        // Lines.
        {"CR-only line ends", "[Velmora]\rAuthor=1\rTitle=2\r", "Title", "2"},
        {"mixed line ends", "[Velmora]\nAuthor=1\rTitle=2\n\rEmail=3", "Title", "2"},
        {"CR inside a quoted value ends the line", "[Velmora]\nTitle=\"x\ry\"\n", "Title", "\"x"},
        {"no line end at the end", "[Velmora]\nTitle=2", "Title", "2"},
        {"semicolon does not start a comment", "[Velmora]\n;Title=A\nTitle=B ; c\n", "Title",
         "B ; c"},
        {"a comment-like line is a key", "[Velmora]\n;Title=A\n", ";Title", "A"},
        {"first = splits", "[Velmora]\nTitle==6\n", "Title", "=6"},
        {"empty name found by a blank key", "[Velmora]\n=5\n", " ", "5"},
        {"empty key finds the empty name", "[Velmora]\n=5\n", "", "5", "Velmora", "dflt"},
        {"empty key without an empty name", "[Velmora]\nTitle=5\n", "", "dflt", "Velmora", "dflt"},

        // NUL characters.
        {"NUL ends a value", "[Velmora]\nTitle=ab\0cd\n"s, "Title", "ab"},
        {"NUL ends a name", "[Velmora]\nTitle\0junk=1\n"s, "Title", "1"},
        {"NUL ends a section name", "[Velmora\0junk]\nTitle=1\n"s, "Title", "1"},
        {"blank before a NUL stays", "[Velmora]\nTitle=x \0 \n"s, "Title", "x "},
        {"quotes judged up to the NUL", "[Velmora]\nTitle='x'\0junk\n"s, "Title", "x"},

        // Length.
        {"254 characters kept", "[Velmora]\nTitle=" + a254 + "\n", "Title", a254},
        {"255 cut to 254", "[Velmora]\nTitle=" + a254 + "b\n", "Title", a254},
        {"300 cut to 254", "[Velmora]\nTitle=" + std::string(300, 'a') + "\n", "Title", a254},
        {"quoted 254 loses its quotes", "[Velmora]\nTitle=\"" + std::string(252, 'a') + "\"\n",
         "Title", std::string(252, 'a')},
        {"quoted 255 loses its quotes", "[Velmora]\nTitle=\"" + std::string(253, 'a') + "\"\n",
         "Title", std::string(253, 'a')},
        {"quoted 256 loses a letter too", "[Velmora]\nTitle=\"" + a254 + "\"\n", "Title",
         std::string(253, 'a')},
        {"quoted 257 keeps no closing quote", "[Velmora]\nTitle=\"" + a254 + "a\"\n", "Title",
         a254},
        {"very long line before the key", "[Velmora]\nA=" + longLine + "\nTitle=2\n", "Title", "2"},
        {"very long value", "[Velmora]\nTitle=" + longLine + "\n", "Title", std::string(254, 'x')},

        // Buffer sizes and defaults.
        {"buffer of one", "[Velmora]\nTitle=abc\n", "Title", "", "Velmora", "", 1},
        {"buffer of two", "[Velmora]\nTitle=abc\n", "Title", "a", "Velmora", "", 2},
        {"quoted value cut before its closing quote", "[Velmora]\nTitle='xy'\n", "Title", "x",
         "Velmora", "", 3},
        {"quoted value that just fits", "[Velmora]\nTitle='xy'\n", "Title", "xy", "Velmora", "", 4},
        {"missing key gives the default", "[Velmora]\n", "Title", "dflt", "Velmora", "dflt"},
        {"default loses trailing spaces", "[Velmora]\n", "Title", " d", "Velmora", " d  "},
        {"default loses its quotes", "[Velmora]\n", "Title", "q", "Velmora", "'q'"},
        {"key without = gives the default", "[Velmora]\nTitle\n", "Title", "dflt", "Velmora",
         "dflt"},
        {"empty value is not the default", "[Velmora]\nTitle=\n", "Title", "", "Velmora", "dflt"},
        {"default cut to the buffer", "[Velmora]\n", "Title", "de", "Velmora", "default", 3},

        // Whole files.
        {"empty file", "", "Title", ""},
        {"file without the section", "Title=A\nAuthor=B\n", "Author", ""},
        {"binary junk", "\x01\x02\xff\xfe\x00[\x80]\x1b=\x7f\n=\n\x00"s, "Title", ""},

        // Code pages.
        {"high bytes read back unchanged", "[Velmora]\nTitle=\x80\x81\x9f\xa0\xff\n", "Title",
         "\x80\x81\x9f\xa0\xff"},
        {"UTF-8 with byte-order mark", "\xef\xbb\xbf[Velmora]\nTitle=caf\xc3\xa9\n", "Title",
         "caf\xe9"},
        {"UTF-8 beyond the code page",
         "\xef\xbb\xbf[Velmora]\nTitle=\xe2\x82\xac \xc4\x80 \xe4\xb8\xad \xf0\x9f\x98\x80\n",
         "Title", "\x80 A ? ??"},
        {"broken UTF-8", "\xef\xbb\xbf[Velmora]\nTitle=\xff\xfe\x80x\xc0\x80\xed\xa0\x80.\n",
         "Title", "???x????."},
        {"UTF-8 cut off at the end swallows the rest", "\xef\xbb\xbf[Velmora]\nTitle=a\xf0\x9fx",
         "Title", "a?"},
        {"UTF-16 little end first",
         "\xff\xfe[\0V\0e\0l\0m\0o\0r\0a\0]\0\r\0\n\0T\0i\0t\0l\0e\0=\0\xe9\0\x00\x01\r\0\n\0"s,
         "Title",
         "\xe9"
         "A"},
        {"UTF-16 big end first",
         "\xfe\xff\0[\0V\0e\0l\0m\0o\0r\0a\0]\0\n\0T\0i\0t\0l\0e\0=\0x\x4e\x2d"s, "Title", "x?"},
        {"UTF-16 without byte-order mark is not read",
         "[\0V\0e\0l\0m\0o\0r\0a\0]\0\n\0T\0i\0t\0l\0e\0=\0x\0"s, "Title", ""},
    };
}

}  // namespace

const std::vector<ProfileReaderCase>& ProfileReaderCases() {
    static const std::vector<ProfileReaderCase> cases = MakeCases();
    return cases;
}

}  // namespace velmora::test
