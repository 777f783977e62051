// The one-level undo: the exact state of every browser value the program may change, taken
// before a change and put back on request.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/RegistryApi.h"

namespace velmora {

// One value a theme's apply, the no-theme reset, a repair or a tweak may write or delete.
struct TouchedValue {
    RegRoot root;
    std::string key;
    std::string name;  // empty: the key's default value
};

// Every such value, each once.
const std::vector<TouchedValue>& TouchedValues();

// Replaces the record (under this user's own key) by the present state of every touched
// value: its kind and bytes, or that it is absent. caption names the change about to be made
// ("Apply Ocean"). False when the record could not be written (nothing to undo then).
bool RecordUndo(const Platform& platform, const std::string& caption);

// What the record would undo; nothing when there is no record.
std::optional<std::string> UndoCaption(const Platform& platform);

// Puts every recorded value back exactly (values that were absent are deleted) and removes the
// record. False, with nothing changed, when there is no record.
bool UndoLastChange(const Platform& platform);

}  // namespace velmora
