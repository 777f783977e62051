// What a setup can leave behind, as lines of text to compare: every registry key and value of
// the machine's and the user's software settings, and every file and folder of drive C:. The
// rest of the registry (hardware, devices, services) is Windows' own and changes as it runs.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace velmora::setup {

class SystemSnapshot {
public:
    static SystemSnapshot Take();

    // The lines of this snapshot that the other does not hold, in order. A line is
    // a key:            HKLM\Software\Classes\.vlr
    // A value:          HKLM\Software\Classes\.vlr : "" = REG_SZ Velmora.Theme
    // A file, a folder: C:\Program Files\Tolvane\Kelvary\Velmora.exe, ...\Kelvary\Themes\ (a
    //                   folder ends in a backslash)
    std::vector<std::string> Minus(const SystemSnapshot& other) const;

private:
    std::set<std::string> lines_;
};

}  // namespace velmora::setup
