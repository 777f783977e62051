// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"
#include "registry/SameText.h"

namespace velmora::test {

enum class RegCall { OpenKey, OpenKeyEx, CreateKey, QueryValueEx, SetValueEx, EnumKey, EnumValue,
                     QueryInfoKey, FlushKey, CloseKey, DeleteKey, DeleteValue };

// Two empty roots. Names keep their first spelling, compare without regard to ASCII case and
// are enumerated in the order of their lower-case bytes, as Wine does; data that does not fit a
// buffer gives kErrorMoreData; a key with subkeys cannot be deleted; opened handles must be
// closed.
class MemoryRegistry : public RegistryApi {
public:
    long OpenKey(RegHandle key, const std::string& path, RegHandle* out) override {
        return Open(RegCall::OpenKey, key, path, false, out);
    }
    long OpenKeyEx(RegHandle key, const std::string& path, std::uint32_t, RegHandle* out) override {
        return Open(RegCall::OpenKeyEx, key, path, false, out);
    }
    long CreateKey(RegHandle key, const std::string& path, RegHandle* out) override {
        return Open(RegCall::CreateKey, key, path, true, out);
    }
    long QueryValueEx(RegHandle key, const std::string& name, std::uint32_t* type,
                      std::uint8_t* data, std::uint32_t* size) override {
        if (const auto fault = Fault(RegCall::QueryValueEx)) return *fault;
        if (!At(key) || !At(key)->count(name)) return kErrorFileNotFound;
        const Value& value = At(key)->at(name);
        *type = value.kind;
        return Copy(value.data, data, size);
    }
    long SetValueEx(RegHandle key, const std::string& name, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t size) override {
        if (const auto fault = Fault(RegCall::SetValueEx)) return *fault;
        if (!At(key)) return kErrorInvalidHandle;
        // A text whose counted bytes miss their zero gets the zero that follows them.
        if (type == kRegSz && size > 0 && data[size - 1] != 0 && data[size] == 0) ++size;
        (*At(key))[name] = Value{type, std::vector<std::uint8_t>(data, data + size)};
        return kErrorSuccess;
    }
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t size) override {
        if (const auto fault = Fault(RegCall::EnumKey)) return *fault;
        const std::vector<std::string> names = Subkeys(Path(key));
        if (index >= names.size()) return kErrorNoMoreItems;
        if (names[index].size() >= size) return kErrorMoreData;
        std::memcpy(name, names[index].c_str(), names[index].size() + 1);
        return kErrorSuccess;
    }
    // Data that does not fit is reported first, then a name that does not fit.
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override {
        if (const auto fault = Fault(RegCall::EnumValue)) return *fault;
        if (!At(key) || index >= At(key)->size()) return kErrorNoMoreItems;
        const auto& [found, value] = *std::next(At(key)->begin(), index);
        *type = value.kind;
        if (Copy(value.data, data, size) || found.size() >= *nameSize) return kErrorMoreData;
        std::memcpy(name, found.c_str(), found.size() + 1);
        *nameSize = std::uint32_t(found.size());
        return kErrorSuccess;
    }
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
        if (const auto fault = Fault(RegCall::QueryInfoKey)) return *fault;
        if (!At(key)) return kErrorInvalidHandle;
        *info = RegKeyInfo{};
        for (const auto& [name, value] : *At(key)) {
            info->maxValueNameLen = std::max(info->maxValueNameLen, std::uint32_t(name.size()));
            info->maxValueLen = std::max(info->maxValueLen, std::uint32_t(value.data.size()));
        }
        return kErrorSuccess;
    }
    long FlushKey(RegHandle) override { return Fault(RegCall::FlushKey).value_or(kErrorSuccess); }
    long CloseKey(RegHandle key) override {
        if (const auto fault = Fault(RegCall::CloseKey)) return *fault;
        const bool root = key == kHkeyCurrentUser || key == kHkeyLocalMachine;
        return root || handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }
    long DeleteKey(RegHandle key, const std::string& path) override {
        if (const auto fault = Fault(RegCall::DeleteKey)) return *fault;
        std::string full = Path(key);
        Walk(path, [&](const std::string& part) { full += "\\" + part; });
        if (full == Path(key)) return kErrorAccessDenied;  // the key itself cannot go
        if (!Subkeys(full).empty()) return kErrorAccessDenied;
        return keys_.erase(full) ? kErrorSuccess : kErrorFileNotFound;
    }
    long DeleteValue(RegHandle key, const std::string& name) override {
        if (const auto fault = Fault(RegCall::DeleteValue)) return *fault;
        return At(key) && At(key)->erase(name) ? kErrorSuccess : kErrorFileNotFound;
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
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return std::uint8_t(LowerAscii(x)) < std::uint8_t(LowerAscii(y));
                });
        }
    };
    struct Value {
        std::uint32_t kind = 0;
        std::vector<std::uint8_t> data;
    };
    using Values = std::map<std::string, Value, NoCase>;

    // Each part of a path; empty parts (doubled or trailing backslashes) are skipped.
    template <class Each>
    static void Walk(const std::string& path, Each each) {
        for (std::size_t start = 0, end; start <= path.size(); start = end + 1) {
            end = std::min(path.find('\\', start), path.size());
            if (end > start) each(path.substr(start, end - start));
        }
    }
    // The path of the key an open handle stands for; empty for a handle not open or a key
    // deleted since.
    std::string Path(RegHandle key) const {
        const auto found = handles_.find(key);
        return found != handles_.end() && keys_.count(found->second) ? found->second : "";
    }
    Values* At(RegHandle key) { return Path(key).empty() ? nullptr : &keys_[Path(key)]; }
    // The names of the subkeys of the key at path, in lower-case order.
    std::vector<std::string> Subkeys(const std::string& path) const {
        std::vector<std::string> names;
        const std::string prefix = path + "\\";
        for (auto it = keys_.lower_bound(prefix);
             it != keys_.end() && SameText(it->first.substr(0, prefix.size()), prefix); ++it) {
            if (it->first.find('\\', prefix.size()) == std::string::npos)
                names.push_back(it->first.substr(prefix.size()));
        }
        return names;
    }
    // The size is always given, the data only when it fits.
    static long Copy(const std::vector<std::uint8_t>& from, std::uint8_t* to, std::uint32_t* size) {
        const std::size_t room = to ? *size : from.size();
        if (size) *size = std::uint32_t(from.size());
        if (room < from.size()) return kErrorMoreData;
        if (to) std::copy(from.begin(), from.end(), to);
        return kErrorSuccess;
    }
    // An empty path gives the same handle back.
    long Open(RegCall call, RegHandle key, const std::string& path, bool create,
              RegHandle* result) {
        if (const auto fault = Fault(call)) return *fault;
        *result = path.empty() ? key : 0;
        std::string full = Path(key);
        if (full.empty()) return kErrorInvalidHandle;
        bool missing = false;
        Walk(path, [&](const std::string& part) {
            full += "\\" + part;
            if (create) keys_[full];
            missing = missing || !keys_.count(full);
        });
        if (missing) return kErrorFileNotFound;
        if (!path.empty()) handles_[*result = nextHandle_ += 4] = full;
        return kErrorSuccess;
    }
    std::optional<long> Fault(RegCall call) {
        ++calls_[call];
        return faults_.count(call) ? faults_[call]() : std::nullopt;
    }

    std::map<RegHandle, std::string> handles_{{kHkeyCurrentUser, "u"}, {kHkeyLocalMachine, "m"}};
    std::map<std::string, Values, NoCase> keys_{{"u", {}}, {"m", {}}};  // by path
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
