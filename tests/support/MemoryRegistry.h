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

// The calls of the port, to count them and to make them fail.
enum class RegCall { OpenKey, OpenKeyEx, CreateKey, QueryValueEx, SetValueEx, EnumKey, EnumValue,
                     QueryInfoKey, FlushKey, CloseKey, DeleteKey, DeleteValue };

// Two empty roots (kHkeyCurrentUser, kHkeyLocalMachine). Names compare without regard to ASCII
// case and are enumerated in the order of their lower-case bytes, as Wine does; data that does
// not fit a buffer gives kErrorMoreData; a key with subkeys cannot be deleted; opened handles
// must be closed. Access rights are not modelled.
class MemoryRegistry : public RegistryApi {
public:
    MemoryRegistry() {
        handles_ = {{kHkeyCurrentUser, "u"}, {kHkeyLocalMachine, "m"}};
        keys_ = {{"u", "u"}, {"m", "m"}};
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
            const auto values = values_.find(Path(key));
            if (values == values_.end() || !values->second.count(Lower(name)))
                return kErrorFileNotFound;
            const Value& value = values->second[Lower(name)];
            *type = value.kind;
            return Copy(value.data, data, size);
        });
    }
    long SetValueEx(RegHandle key, const std::string& name, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t size) override {
        return Run(RegCall::SetValueEx, [&] {
            if (Path(key).empty()) return kErrorInvalidHandle;
            // The real call completes a text whose counted bytes miss their terminating zero
            // when the byte after them is that zero.
            if (type == kRegSz && size > 0 && data[size - 1] != 0 && data[size] == 0) ++size;
            Value& value = values_[Path(key)][Lower(name)];
            if (value.name.empty()) value.name = name;  // the first spelling stays
            value.kind = type;
            value.data.assign(data, data + size);
            return kErrorSuccess;
        });
    }
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t size) override {
        return Run(RegCall::EnumKey, [&] {
            const std::vector<std::string> names = Subkeys(Path(key));
            if (index >= names.size()) return kErrorNoMoreItems;
            if (names[index].size() >= size) return kErrorMoreData;
            std::memcpy(name, names[index].c_str(), names[index].size() + 1);
            return kErrorSuccess;
        });
    }
    // Data that does not fit is reported first, then a name that does not fit.
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override {
        return Run(RegCall::EnumValue, [&] {
            const auto& values = values_[Path(key)];
            if (index >= values.size()) return kErrorNoMoreItems;
            const Value& found = std::next(values.begin(), index)->second;
            *type = found.kind;
            if (Copy(found.data, data, size) != kErrorSuccess) return kErrorMoreData;
            if (found.name.size() >= *nameSize) return kErrorMoreData;
            std::memcpy(name, found.name.c_str(), found.name.size() + 1);
            *nameSize = std::uint32_t(found.name.size());
            return kErrorSuccess;
        });
    }
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
        return Run(RegCall::QueryInfoKey, [&] {
            *info = RegKeyInfo{};
            for (const auto& [lower, value] : values_[Path(key)]) {
                info->maxValueNameLen = std::max(info->maxValueNameLen, std::uint32_t(lower.size()));
                info->maxValueLen = std::max(info->maxValueLen, std::uint32_t(value.data.size()));
            }
            return kErrorSuccess;
        });
    }
    long FlushKey(RegHandle) override { return Run(RegCall::FlushKey, [] { return 0L; }); }
    long CloseKey(RegHandle key) override {
        return Run(RegCall::CloseKey, [&] {
            if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kErrorSuccess;
            return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
        });
    }
    long DeleteKey(RegHandle key, const std::string& path) override {
        return Run(RegCall::DeleteKey, [&] {
            const std::string full = Join(Path(key), path);
            if (full == Path(key)) return kErrorAccessDenied;  // the key itself cannot go
            if (!keys_.count(full)) return kErrorFileNotFound;
            if (!Subkeys(full).empty()) return kErrorAccessDenied;
            keys_.erase(full);
            values_.erase(full);
            return kErrorSuccess;
        });
    }
    long DeleteValue(RegHandle key, const std::string& name) override {
        return Run(RegCall::DeleteValue, [&] {
            return values_[Path(key)].erase(Lower(name)) ? kErrorSuccess : kErrorFileNotFound;
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
    struct Value {
        std::string name;
        std::uint32_t kind = 0;
        std::vector<std::uint8_t> data;
    };

    static std::string Lower(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), LowerAscii);
        return text;
    }
    // The lower-case path of an existing key below base; empty parts (doubled or trailing
    // backslashes) are skipped.
    static std::string Join(std::string base, const std::string& path) {
        for (std::size_t start = 0, end; start <= path.size(); start = end + 1) {
            end = std::min(path.find('\\', start), path.size());
            if (end > start) base += "\\" + Lower(path.substr(start, end - start));
        }
        return base;
    }
    // The key an open handle stands for; empty for a handle not open or a key deleted since.
    std::string Path(RegHandle key) const {
        const auto found = handles_.find(key);
        return found != handles_.end() && keys_.count(found->second) ? found->second : "";
    }
    // The names of the subkeys, in the order of their lower-case bytes.
    std::vector<std::string> Subkeys(const std::string& path) const {
        std::vector<std::string> names;
        const std::string prefix = path + "\\";
        for (auto it = keys_.lower_bound(prefix); it != keys_.end() && !path.empty() &&
                                                  it->first.compare(0, prefix.size(), prefix) == 0;
             ++it) {
            if (it->first.find('\\', prefix.size()) == std::string::npos)
                names.push_back(it->second);
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
    long Open(RegHandle key, const std::string& path, bool create, RegHandle* result) {
        *result = path.empty() ? key : 0;
        std::string full = Path(key);
        if (full.empty()) return kErrorInvalidHandle;
        for (std::size_t start = 0, end; start <= path.size(); start = end + 1) {
            end = std::min(path.find('\\', start), path.size());
            if (end == start) continue;
            const std::string part = path.substr(start, end - start);
            full += "\\" + Lower(part);
            if (!keys_.count(full) && !create) return kErrorFileNotFound;
            keys_.emplace(full, part);
        }
        if (!path.empty()) handles_[*result = nextHandle_ += 4] = full;
        return kErrorSuccess;
    }
    long Run(RegCall call, const std::function<long()>& body) {
        ++calls_[call];
        if (faults_.count(call)) {
            if (const std::optional<long> code = faults_[call]()) return *code;
        }
        return body();
    }

    std::map<RegHandle, std::string> handles_;     // the roots and opened keys: their paths
    std::map<std::string, std::string> keys_;      // lower-case path: the spelling of its name
    std::map<std::string, std::map<std::string, Value>> values_;  // by path, by lower-case name
    RegHandle nextHandle_ = 0x1000;
    std::map<RegCall, std::function<std::optional<long>()>> faults_;
    std::map<RegCall, std::size_t> calls_;
};

}  // namespace velmora::test
