// The helpers shared by the windows: whole-text selection, the topmost band, and what a list
// must change to show new entries. (Browser and folder windows are told apart wherever the
// programs walk the shell's windows.)
#include <gtest/gtest.h>

#include "tests/support/SimulatedWindowing.h"
#include "ui/ListDiff.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora::test {
namespace {

// Each letter is one entry: the entries before the first difference are kept, the rest
// replaced, and more than 16 changes are many.
TEST(SharedHelpers, AListKeepsWhatComesBeforeTheFirstDifferenceAndReplacesTheRest) {
    const auto entries = [](const std::string& letters) {
        std::vector<std::string> list;
        for (char letter : letters) list.emplace_back(1, letter);
        return list;
    };
    const struct {
        const char *shown, *wanted;
        std::size_t keep, remove;
        const char* add;
        bool many;
    } rows[] = {
        {"", "", 0, 0, "", false},          {"abc", "abc", 3, 0, "", false},
        {"a", "abc", 1, 0, "bc", false},    {"abc", "a", 1, 2, "", false},
        {"abc", "axc", 1, 2, "xc", false},  {"abc", "bc", 0, 3, "bc", false},
        {"abc", "", 0, 3, "", false},       {"abcdefgh", "ijklmnop", 0, 8, "ijklmnop", false},
        {"", "abcdefghijklmnopq", 0, 0, "abcdefghijklmnopq", true},
        {"zabcdefgh", "zijklmnopq", 1, 8, "ijklmnopq", true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ui::DiffList(entries(row.shown), entries(row.wanted)),
                  (ui::ListChange{row.keep, row.remove, entries(row.add), row.many}))
            << row.shown << " -> " << row.wanted;
    }
}

}  // namespace
}  // namespace velmora::test
