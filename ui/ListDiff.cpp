// What a list showing some entries must change to show others.
#include "ui/ListDiff.h"

namespace velmora::ui {

ListChange DiffList(const std::vector<std::string>& shown, const std::vector<std::string>& wanted) {
    ListChange change;
    while (change.keep < shown.size() && change.keep < wanted.size() &&
           shown[change.keep] == wanted[change.keep])
        ++change.keep;
    change.remove = shown.size() - change.keep;
    change.add.assign(wanted.begin() + static_cast<std::ptrdiff_t>(change.keep), wanted.end());
    change.many = change.remove + change.add.size() > 16;
    return change;
}

}  // namespace velmora::ui
