// The order of the main window's theme list and which entry a rebuild selects.
#include "store/ThemeListOrder.h"

#include "store/InstalledThemeStore.h"
#include "registry/cRegistry.h"
#include "registry/SameText.h"

namespace velmora {

std::vector<std::string> ThemeListOrder(const std::vector<std::string>& storedNames) {
    std::vector<std::string> list{kCurrentThemeEntry, kNoThemeEntry};
    for (const std::string& name : storedNames) {
        if (IsNotFound(name)) continue;
        if (SameText(name, kCurrentThemeEntry)) {
            // Index 0 must stay the current-theme entry: other code relies on the two
            // pseudo entries holding indexes 0 and 1.
            list[0] = name;
        } else {
            list.push_back(name);
        }
    }
    return list;
}

std::optional<std::size_t> ThemeListSelection(const std::vector<std::string>& list,
                                              const std::string& name) {
    if (list.empty()) return std::nullopt;
    if (name.empty()) return 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (SameText(list[i], name)) return i;
    }
    return std::nullopt;
}

}  // namespace velmora
