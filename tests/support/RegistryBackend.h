// A registry for a test to run on: the in-memory model, or the real one under Wine.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/RegistryApi.h"
#include "tests/support/MemoryRegistry.h"

namespace velmora::test {

// Owns a registry whose two roots start empty for the test, and gives it back as found.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    virtual RegistryApi& Api() = 0;
};

// How a parameterised registry suite makes a fresh backend for each test.
struct RegistryBackendParam {
    std::string name;
    std::function<std::unique_ptr<RegistryBackend>()> make;
};

inline void PrintTo(const RegistryBackendParam& param, std::ostream* out) {
    *out << param.name;
}

class MemoryRegistryBackend : public RegistryBackend {
public:
    RegistryApi& Api() override { return registry_; }

private:
    MemoryRegistry registry_;
};

inline RegistryBackendParam MemoryBackend() {
    return {"Memory", [] { return std::make_unique<MemoryRegistryBackend>(); }};
}

}  // namespace velmora::test
