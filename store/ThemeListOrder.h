// The order of the main window's theme list and which entry a rebuild selects.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The theme list built from the store's key names as GetAllKeys gives them (names, then
// "Not Found"): ".Current", "[None]", then each stored name in enumeration order. A stored
// name equal to ".Current" (any case) takes index 0 in its own spelling, so the list never
// holds two current-theme entries. "Not Found" elements are skipped wherever they stand.
std::vector<std::string> ThemeListOrder(const std::vector<std::string>& storedNames);

// The index the rebuilt list selects: 0 for an empty name, else the first entry equal to
// name (any case), else nothing (the list stays without a selection; also for an empty list).
std::optional<std::size_t> ThemeListSelection(const std::vector<std::string>& list,
                                              const std::string& name);

}  // namespace velmora
