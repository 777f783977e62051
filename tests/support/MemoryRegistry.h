// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

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

// Two predefined roots (kHkeyCurrentUser, kHkeyLocalMachine) with keys and values: names
// compared without regard to case, enumerated in the order Wine gives, data that does not fit
// a buffer answered with kErrorMoreData, keys with subkeys that cannot be deleted, handles that
// must be closed. Access rights are not modelled: the registry class only reads through a key
// it opened for reading. Faults can be injected per call to test callers' error handling.
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
    void ClearFaults() { faults_.clear(); }

    // How many times a call was made (faulted calls included).
    std::size_t Calls(RegCall call) const;
    // Opened handles not closed yet.
    std::size_t OpenHandles() const { return handles_.size() - 2; }

private:
    struct Key;

    // The key of a root or an opened handle; null when the handle is not valid.
    Key* Find(RegHandle key) const;
    long Open(RegHandle key, const std::string& subKey, bool create, RegHandle* result);
    // Counts the call and runs its fault, then body unless the fault gave a code.
    template <class Body>
    long Run(RegCall call, Body body);

    std::unordered_map<RegHandle, std::shared_ptr<Key>> handles_;  // the roots and opened keys
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
