// The command line's switches for scripts: "/apply <theme> [/quiet]" and "/check <theme>".
#pragma once

#include <string>

namespace velmora {

enum class SwitchAction {
    None,     // the text does not start with a switch: the file rules decide
    Apply,    // /apply <theme file> [/quiet]
    Check,    // /check <theme file>
    Invalid,  // an unknown switch, a missing or extra path: Problem() says which
};

// The program's exit codes: what a script learns of a switch command.
enum ExitCode : int {
    kExitOk = 0,
    kExitWarnings = 1,        // /check: the theme has warnings only
    kExitErrors = 2,          // /check: the theme has errors
    kExitUsage = 3,           // an unknown switch, or no theme file named
    kExitNoFile = 4,          // no file at the path
    kExitUnreadable = 5,      // the file could not be loaded as a theme
    kExitDeclined = 6,        // the user answered No
    kExitAlreadyRunning = 7,  // another copy runs: nothing was done
};

// Switches are read only when the text starts with "/" but not "//" (a network path), so that a
// path, quoted or not, is still a path. Words are separated by blanks; a word in double quotes may
// hold blanks. Switch names are matched without regard to letter case.
class Switches {
public:
    explicit Switches(const std::string& argumentText);

    SwitchAction Action() const { return action_; }
    const std::string& Path() const { return path_; }
    // No box may show: /quiet or /check was given (a script waits for the program).
    bool Quiet() const { return quiet_; }
    // For Invalid: what is wrong, then the known switches.
    const std::string& Problem() const { return problem_; }

private:
    void Fail(const std::string& what);

    SwitchAction action_ = SwitchAction::None;
    std::string path_;
    bool quiet_ = false;
    std::string problem_;
};

}  // namespace velmora
