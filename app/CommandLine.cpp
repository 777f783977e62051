// The program's command line: one file path, optionally quoted, and what it asks for.
#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace velmora {

namespace {

// The wildcard match "*" + suffix without regard to case; suffix is lower case.
bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char want, char have) {
                          return want == std::tolower(static_cast<unsigned char>(have));
                      });
}

}  // namespace

CommandLine::CommandLine(const std::string& argumentText)
    : path_(Clean(argumentText)), action_(Classify(path_)) {}

std::string CommandLine::Clean(const std::string& argumentText) {
    if (argumentText.empty() || argumentText.front() != '"') return argumentText;
    std::string cleaned;
    cleaned.reserve(argumentText.size());
    std::copy_if(argumentText.begin(), argumentText.end(), std::back_inserter(cleaned),
                 [](char c) { return c != '"'; });
    return cleaned;
}

StartAction CommandLine::Classify(const std::string& cleanedText) {
    if (EndsWithNoCase(cleanedText, ".vlr")) return StartAction::ApplyThemeFile;
    if (EndsWithNoCase(cleanedText, ".bmp")) return StartAction::SetToolbarSkin;
    return StartAction::MainWindow;
}

}  // namespace velmora
