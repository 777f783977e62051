// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"
#include "registry/SameText.h"

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

// Two empty roots (kHkeyCurrentUser, kHkeyLocalMachine). Names compare without regard to ASCII
// case and are enumerated in the order of their lower-case bytes, as Wine does; data that does
// not fit a buffer gives kErrorMoreData; a key with subkeys cannot be deleted; opened handles
// must be closed. Access rights are not modelled: cRegistry only reads through a key it
// opened for reading.
class MemoryRegistry : public RegistryApi {
public:
    MemoryRegistry() {
        handles_[kHkeyCurrentUser] = std::make_shared<Key>();
        handles_[kHkeyLocalMachine] = std::make_shared<Key>();
    }

    long OpenKey(RegHandle key, const std::string& path, RegHandle* result) override {
        return Run(RegCall::OpenKey, [&] { return Open(key, path, false, result); });
    }
    long OpenKeyEx(RegHandle key, const std::string& path, std::uint32_t,
                   RegHandle* result) override {
        return Run(RegCall::OpenKeyEx, [&] { return Open(key, path, false, result); });
    }
    long CreateKey(RegHandle key, const std::string& path, RegHandle* result) override {
        return Run(RegCall::CreateKey, [&] { return Open(key, path, true, result); });
    }
    long QueryValueEx(RegHandle key, const std::string& name, std::uint32_t* type,
                      std::uint8_t* data, std::uint32_t* size) override {
        return Run(RegCall::QueryValueEx, [&] {
            const Entry* value = handles_.count(key) ? Find(handles_[key]->values, name) : nullptr;
            if (value && type) *type = value->kind;
            return value ? Copy(value->data, data, size) : kErrorFileNotFound;
        });
    }
    long SetValueEx(RegHandle key, const std::string& name, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t size) override {
        return Run(RegCall::SetValueEx, [&] {
            if (!handles_.count(key)) return kErrorInvalidHandle;
            // The real call completes a text whose counted bytes miss their terminating zero
            // when the byte after them is that zero.
            if (type == kRegSz && size > 0 && data[size - 1] != 0 && data[size] == 0) ++size;
            Entry* value = Find(handles_[key]->values, name, true);
            value->kind = type;
            value->data.assign(data, data + size);
            return kErrorSuccess;
        });
    }
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t size) override {
        return Run(RegCall::EnumKey, [&] {
            const Entry* found = At(key, &Key::keys, index);
            if (!found) return kErrorNoMoreItems;
            if (found->name.size() >= size) return kErrorMoreData;
            std::memcpy(name, found->name.c_str(), found->name.size() + 1);
            return kErrorSuccess;
        });
    }
    // Data that does not fit is reported first, then a name that does not fit.
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override {
        return Run(RegCall::EnumValue, [&] {
            const Entry* found = At(key, &Key::values, index);
            if (!found) return kErrorNoMoreItems;
            if (type) *type = found->kind;
            if (Copy(found->data, data, size) != kErrorSuccess) return kErrorMoreData;
            if (found->name.size() >= *nameSize) return kErrorMoreData;
            std::memcpy(name, found->name.c_str(), found->name.size() + 1);
            *nameSize = static_cast<std::uint32_t>(found->name.size());
            return kErrorSuccess;
        });
    }
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
        return Run(RegCall::QueryInfoKey, [&] {
            if (!handles_.count(key)) return kErrorInvalidHandle;
            *info = RegKeyInfo{};
            for (const Entry& value : handles_[key]->values) {
                info->maxValueNameLen =
                    std::max<std::uint32_t>(info->maxValueNameLen, value.name.size());
                info->maxValueLen = std::max<std::uint32_t>(info->maxValueLen, value.data.size());
            }
            return kErrorSuccess;
        });
    }
    long FlushKey(RegHandle key) override {
        return Run(RegCall::FlushKey,
                   [&] { return handles_.count(key) ? kErrorSuccess : kErrorInvalidHandle; });
    }
    long CloseKey(RegHandle key) override {
        return Run(RegCall::CloseKey, [&] {
            if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kErrorSuccess;
            return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
        });
    }
    long DeleteKey(RegHandle key, const std::string& path) override {
        return Run(RegCall::DeleteKey, [&] {
            if (!handles_.count(key)) return kErrorInvalidHandle;
            std::vector<std::string> parts = Split(path);
            if (parts.empty()) return kErrorAccessDenied;  // the key itself cannot go
            const std::string name = parts.back();
            parts.pop_back();
            const std::shared_ptr<Key> parent = Walk(handles_[key], parts, false);
            const Entry* child = parent ? Find(parent->keys, name) : nullptr;
            if (!child) return kErrorFileNotFound;
            if (!child->key->keys.empty()) return kErrorAccessDenied;
            parent->keys.erase(parent->keys.begin() + (child - parent->keys.data()));
            return kErrorSuccess;
        });
    }
    long DeleteValue(RegHandle key, const std::string& name) override {
        return Run(RegCall::DeleteValue, [&] {
            std::vector<Entry>* values = handles_.count(key) ? &handles_[key]->values : nullptr;
            const Entry* value = values ? Find(*values, name) : nullptr;
            if (!value) return kErrorFileNotFound;
            values->erase(values->begin() + (value - values->data()));
            return kErrorSuccess;
        });
    }

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
    struct Entry {
        std::string name;
        std::shared_ptr<Key> key;  // a subkey's
        std::uint32_t kind = 0;    // a value's
        std::vector<std::uint8_t> data;
    };
    // Subkeys and values in enumeration order: a vector, so that enumerating by index stays
    // constant time for the benchmarks' thousands of subkeys.
    struct Key {
        std::vector<Entry> keys, values;
    };

    // Wine's order of names: by their lower-case bytes, only ASCII letters having case.
    static bool Before(const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return std::uint8_t(LowerAscii(x)) < std::uint8_t(LowerAscii(y));
            });
    }
    static Entry* Find(std::vector<Entry>& list, const std::string& name, bool create = false) {
        auto it = std::lower_bound(
            list.begin(), list.end(), name,
            [](const Entry& e, const std::string& n) { return Before(e.name, n); });
        if (it != list.end() && !Before(name, it->name)) return &*it;
        return create ? &*list.insert(it, Entry{name, nullptr, 0, {}}) : nullptr;
    }
    // The parts of a key path; empty parts (doubled or trailing backslashes) are skipped.
    static std::vector<std::string> Split(const std::string& path) {
        std::vector<std::string> parts;
        for (std::size_t start = 0, end; start <= path.size(); start = end + 1) {
            end = std::min(path.find('\\', start), path.size());
            if (end > start) parts.push_back(path.substr(start, end - start));
        }
        return parts;
    }
    static std::shared_ptr<Key> Walk(std::shared_ptr<Key> node,
                                     const std::vector<std::string>& parts, bool create) {
        for (const std::string& part : parts) {
            Entry* child = Find(node->keys, part, create);
            if (!child) return nullptr;
            if (!child->key) child->key = std::make_shared<Key>();
            node = child->key;
        }
        return node;
    }
    // As QueryValueEx and EnumValue copy: the size is always given, the data only when it fits.
    static long Copy(const std::vector<std::uint8_t>& from, std::uint8_t* to, std::uint32_t* size) {
        const std::uint32_t room = to ? *size : std::uint32_t(from.size());
        if (size) *size = std::uint32_t(from.size());
        if (room < from.size()) return kErrorMoreData;
        if (to) std::copy(from.begin(), from.end(), to);
        return kErrorSuccess;
    }
    // The entry at index of an open key's subkeys or values; null past the end or for a
    // handle that is not open.
    const Entry* At(RegHandle key, std::vector<Entry> Key::*list, std::uint32_t index) {
        if (!handles_.count(key) || index >= (handles_[key].get()->*list).size()) return nullptr;
        return &(handles_[key].get()->*list)[index];
    }
    // An empty path gives the same handle back.
    long Open(RegHandle key, const std::string& path, bool create, RegHandle* result) {
        if (!handles_.count(key)) return kErrorInvalidHandle;
        *result = path.empty() ? key : 0;
        if (path.empty()) return kErrorSuccess;
        std::shared_ptr<Key> node = Walk(handles_[key], Split(path), create);
        if (!node) return kErrorFileNotFound;
        handles_[*result = nextHandle_ += 4] = std::move(node);
        return kErrorSuccess;
    }
    // Counts the call and runs its fault, then body unless the fault gave a code.
    long Run(RegCall call, const std::function<long()>& body) {
        ++calls_[call];
        if (faults_.count(call)) {
            if (const std::optional<long> code = faults_[call]()) return *code;
        }
        return body();
    }

    std::map<RegHandle, std::shared_ptr<Key>> handles_;  // the roots and opened keys
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
