// The program's command line: one file path, optionally quoted, and what it asks for.
#pragma once

#include <string>

namespace velmora {

enum class StartAction {
    MainWindow,      // no file, or a file the program has no action for
    ApplyThemeFile,  // a theme file (*.vlr)
    SetToolbarSkin,  // a bitmap (*.bmp)
};

// The whole argument text after the program's name is taken as one path: there are no
// switches. A text whose first character is a double quote loses every double quote in it
// (not only the outer pair); any other text is kept as it is.
class CommandLine {
public:
    explicit CommandLine(const std::string& argumentText);

    // The text after quote removal: the file path handed to the actions.
    const std::string& Path() const { return path_; }
    StartAction Action() const { return action_; }

    static std::string Clean(const std::string& argumentText);
    // The action for an already cleaned text: the whole text must end in ".vlr" or ".bmp",
    // letters compared without regard to case.
    static StartAction Classify(const std::string& cleanedText);

private:
    std::string path_;
    StartAction action_;
};

}  // namespace velmora
