// The file suite on the in-memory files (the Wine tests run it on kernel32).
#include "tests/support/FileSystemSuite.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, FileSystemSuite, ::testing::Values(&MemoryFiles),
                         [](const auto&) { return "Memory"; });

}  // namespace velmora::test
