// The command line's switches for scripts: "/apply <theme> [/quiet]" and "/check <theme>".
#include "app/Switches.h"

#include <vector>

#include "registry/SameText.h"

namespace velmora {

namespace {

constexpr char kKnownSwitches[] =
    "Known switches:\r\n"
    "  /apply \"theme.vlr\" [/quiet]   apply a theme (/quiet: no question, no browser "
    "reopening)\r\n"
    "  /check \"theme.vlr\"            list the theme's problems (exit code 0, 1 or 2)";

struct Word {
    std::string text;
    bool quoted = false;
};

std::vector<Word> SplitWords(const std::string& text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        Word word;
        if (text[i] == '"') {
            // An unclosed quote runs to the end of the text.
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? text.size() : close;
            word = {text.substr(i + 1, end - i - 1), true};
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
            word = {text.substr(i, end - i), false};
            i = end;
        }
        words.push_back(word);
    }
    return words;
}

}  // namespace

Switches::Switches(const std::string& argumentText) {
    // "//server/share/x.bmp" is a network path written with forward slashes.
    if (argumentText.size() < 2 || argumentText[0] != '/' || argumentText[1] == '/') return;
    const std::vector<Word> words = SplitWords(argumentText);
    // Known before any problem is reported: whether a box may show it.
    for (const Word& word : words)
        quiet_ = quiet_ ||
                 (!word.quoted && (SameText(word.text, "/quiet") || SameText(word.text, "/check")));
    bool pathExpected = false;
    for (const Word& word : words) {
        const bool isSwitch = !word.quoted && !word.text.empty() && word.text.front() == '/';
        if (isSwitch && SameText(word.text, "/quiet")) {
            continue;
        } else if (isSwitch && (SameText(word.text, "/apply") || SameText(word.text, "/check"))) {
            if (action_ != SwitchAction::None) {
                Fail("Only one of /apply and /check.");
                return;
            }
            action_ = SameText(word.text, "/apply") ? SwitchAction::Apply : SwitchAction::Check;
            pathExpected = true;
        } else if (isSwitch) {
            Fail("Unknown switch: " + word.text);
            return;
        } else if (pathExpected) {
            path_ = word.text;
            pathExpected = false;
        } else {
            Fail("Unexpected argument: " + word.text);
            return;
        }
    }
    if (path_.empty()) Fail("No theme file named.");
}

void Switches::Fail(const std::string& what) {
    action_ = SwitchAction::Invalid;
    problem_ = what + "\r\n\r\n" + kKnownSwitches;
}

}  // namespace velmora
