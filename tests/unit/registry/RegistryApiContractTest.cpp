// The registry port's contract, run on the in-memory registry (natively and under Wine).
#include "tests/support/RegistryApiContract.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistryApiContract, ::testing::Values(MemoryBackend()),
                         [](const auto& info) { return info.param.name; });

}  // namespace velmora::test
