// The program's command line: one file path, optionally quoted, and what it asks for.
#include "app/CommandLine.h"

#include <algorithm>
#include <iterator>

#include "registry/SameText.h"

namespace velmora {

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
    if (EndsWithText(cleanedText, ".vlr")) return StartAction::ApplyThemeFile;
    if (EndsWithText(cleanedText, ".bmp")) return StartAction::SetToolbarSkin;
    return StartAction::MainWindow;
}

}  // namespace velmora
