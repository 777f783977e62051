// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/RegistryApi.h"

namespace velmora::test {

// The calls of the port, to count them and to make them fail.
enum class RegCall {
    OpenKey, OpenKeyEx, CreateKey, QueryValueEx, SetValueEx, EnumKey, EnumValue,
    QueryInfoKey, FlushKey, CloseKey, DeleteKey, DeleteValue
};

// Two empty roots (kHkeyCurrentUser, kHkeyLocalMachine). Names compare without regard to ASCII
// case and are enumerated in the order of their lower-case bytes, as Wine does; data that does
// not fit a buffer gives kErrorMoreData; a key with subkeys cannot be deleted; opened handles
// must be closed. Access rights are not modelled: cRegistry only reads through a key it
// opened for reading.
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

    // From now on every call of that kind runs fault first: the code it gives is the call's
    // answer, nothing lets the call do its work; it may also throw.
    void InjectFault(RegCall call, std::function<std::optional<long>()> fault) {
        faults_[call] = std::move(fault);
    }
    void FailWith(RegCall call, long code) {
        InjectFault(call, [code] { return std::optional<long>(code); });
    }
    void ClearFaults() { faults_.clear(); }
    // How many times a call was made, faulted calls included.
    std::size_t Calls(RegCall call) const { return calls_.count(call) ? calls_.at(call) : 0; }
    std::size_t OpenHandles() const { return handles_.size() - 2; }

private:
    struct Key;

    Key* Find(RegHandle key) const;
    long Open(RegHandle key, const std::string& subKey, bool create, RegHandle* result);
    // Counts the call and runs its fault, then body unless the fault gave a code.
    long Run(RegCall call, const std::function<long()>& body);

    std::map<RegHandle, std::shared_ptr<Key>> handles_;  // the roots and opened keys
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
