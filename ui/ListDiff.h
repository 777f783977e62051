// What a list showing some entries must change to show others: the entries before the first
// difference stay (and with them the scroll position), the rest go from the end and the
// wanted ones after them are added.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::ui {

struct ListChange {
    std::size_t keep = 0;          // entries kept at the start
    std::size_t remove = 0;        // entries deleted from the end
    std::vector<std::string> add;  // entries added after the kept ones, in order
    // More than 16 entries deleted and added together: worth making with the drawing off.
    bool many = false;

    bool operator==(const ListChange& o) const {
        return keep == o.keep && remove == o.remove && add == o.add && many == o.many;
    }
};

ListChange DiffList(const std::vector<std::string>& shown, const std::vector<std::string>& wanted);

}  // namespace velmora::ui
