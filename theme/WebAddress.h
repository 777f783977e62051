// The one rule for an address a theme file names: the program hands the shell nothing else.
#pragma once

#include <string>

namespace velmora {

// True for a plain web address: "http://", "https://" or "ftp://" (any letter case) and a
// host after it, with no control characters, spaces or quotes anywhere. A theme's text is a
// stranger's: a file, a program, a network path or a script address is never opened.
bool IsWebAddress(const std::string& text);

// What the user is told when a theme names something else where an address belongs.
std::string RefusedAddressMessage(const std::string& text);

}  // namespace velmora
