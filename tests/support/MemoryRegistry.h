// Registry double: an in-memory registry that answers like advapi32 does under Wine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/RegistryApi.h"
#include "platform/RuntimeError.h"

namespace velmora::test {

// The calls of the port, to count them and to make them fail.
enum class RegCall {
    OpenKey,
    OpenKeyEx,
    CreateKey,
    QueryValueEx,
    SetValueEx,
    EnumKey,
    EnumValue,
    QueryInfoKey,
    FlushKey,
    CloseKey,
    DeleteKey,
    DeleteValue
};

// Two predefined roots (kHkeyCurrentUser, kHkeyLocalMachine), keys and values as the real
// registry keeps them: names compared without regard to case, subkeys and values enumerated
// in the order Wine gives, handles that must be closed, keys that vanish under their handles.
// Faults can be injected per call so that callers' error handling can be tested.
class MemoryRegistry : public RegistryApi {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    long OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) override;
    long OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                   RegHandle* result) override;
    long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) override;
    long QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                      std::uint8_t* data, std::uint32_t* dataSize) override;
    long SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t dataSize) override;
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override;
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override;
    long FlushKey(RegHandle key) override;
    long CloseKey(RegHandle key) override;
    long DeleteKey(RegHandle key, const std::string& subKey) override;
    long DeleteValue(RegHandle key, const std::string& valueName) override;

    // From now on every call of that kind runs fault first: the fault returns the code the
    // call gives instead of doing its work, throws, or returns nothing to let the call proceed.
    void InjectFault(RegCall call, std::function<std::optional<long>()> fault);
    // Shorthands: every later call returns code / throws error.
    void FailWith(RegCall call, long code);
    void ThrowOn(RegCall call, const RuntimeError& error);
    void ClearFaults();

    // How many times a call was made (faulted calls included).
    std::size_t Calls(RegCall call) const;
    // Opened handles not closed yet.
    std::size_t OpenHandles() const { return handles_.size() - 2; }

private:
    struct Key;
    struct Handle {
        std::shared_ptr<Key> key;
        std::uint32_t access;
    };

    static bool IsRoot(RegHandle key);
    // Resolves a handle (a root or an opened key); null when the handle is not valid.
    const Handle* Find(RegHandle key) const;
    // The key of a valid, live handle that has access, or the code the system gives.
    long Use(RegHandle key, std::uint32_t access, Key** node) const;
    // Follows subKey from key, creating missing keys when asked.
    long Walk(RegHandle key, const std::string& subKey, bool create,
              std::shared_ptr<Key>* node) const;
    long Open(RegHandle key, const std::string& subKey, std::uint32_t access, bool newForEmpty,
              RegHandle* result, bool create = false);
    // Counts the call and runs its fault, then body unless the fault gave a code.
    template <class Body>
    long Run(RegCall call, Body body);

    std::unordered_map<RegHandle, Handle> handles_;  // the two roots and the opened keys
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
