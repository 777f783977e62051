// The theme check: what is wrong with a theme file and the files it names, before a user
// meets it.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

// An error breaks part of the theme (a file it needs is missing or of the wrong kind); a
// warning is likely a mistake that still applies.
enum class Severity { Warning, Error };

struct ThemeFinding {
    Severity severity;
    std::string sentence;
};

// The findings for the theme file at file (a full path), in the order of the file's lines
// and keys; empty for a clean theme. Reads only, through platform.files and platform.profile;
// nothing named is opened by the shell.
std::vector<ThemeFinding> CheckVelmora(const Platform& platform, const std::string& file);

// One finding as a report line: "error: ..." or "warning: ...".
std::string FindingLine(const ThemeFinding& finding);

// 0 clean, 1 warnings only, 2 any error.
int WorstSeverityCode(const std::vector<ThemeFinding>& findings);

}  // namespace velmora
