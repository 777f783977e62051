// What a list must change to show new entries; each letter is one entry.
#include <gtest/gtest.h>

#include "ui/ListDiff.h"

namespace velmora::ui {
namespace {

std::vector<std::string> Entries(const std::string& letters) {
    std::vector<std::string> entries;
    for (char letter : letters) entries.emplace_back(1, letter);
    return entries;
}

TEST(ListDiff, KeepsTheEntriesBeforeTheFirstDifferenceAndReplacesTheRest) {
    struct Row {
        const char *shown, *wanted;
        std::size_t keep, remove;
        const char* add;
        bool many;
    };
    const Row rows[] = {
        {"", "", 0, 0, "", false},
        {"abc", "abc", 3, 0, "", false},
        {"a", "abc", 1, 0, "bc", false},
        {"abc", "a", 1, 2, "", false},
        {"abc", "axc", 1, 2, "xc", false},
        {"abc", "bc", 0, 3, "bc", false},
        {"abc", "", 0, 3, "", false},
        {"abcdefgh", "ijklmnop", 0, 8, "ijklmnop", false},
        {"", "abcdefghijklmnopq", 0, 0, "abcdefghijklmnopq", true},
        {"zabcdefgh", "zijklmnopq", 1, 8, "ijklmnopq", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DiffList(Entries(row.shown), Entries(row.wanted)),
                  (ListChange{row.keep, row.remove, Entries(row.add), row.many}))
            << row.shown << " -> " << row.wanted;
    }
}

}  // namespace
}  // namespace velmora::ui
