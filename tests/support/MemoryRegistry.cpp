// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#include "tests/support/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "registry/SameText.h"

namespace velmora::test {

namespace {

// Wine's order of names: by their lower-case bytes, only ASCII letters having case.
bool Before(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y));
    });
}

// The parts of a key path; empty parts (doubled or trailing backslashes) are skipped.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// As QueryValueEx and EnumValue copy: the size is always given, the data only when it fits.
long CopyData(const std::vector<std::uint8_t>& data, std::uint8_t* out, std::uint32_t* outSize) {
    const auto size = static_cast<std::uint32_t>(data.size());
    const std::uint32_t room = out ? *outSize : size;
    if (outSize) *outSize = size;
    if (room < size) return kErrorMoreData;
    if (out) std::copy(data.begin(), data.end(), out);
    return kErrorSuccess;
}

}  // namespace

// Subkeys and values alike are entries kept in enumeration order (a vector, so that the
// enumeration by index stays constant time for the benchmarks' thousands of subkeys).
struct MemoryRegistry::Key {
    struct Entry {
        std::string name;
        std::shared_ptr<Key> key;  // a subkey's
        std::uint32_t kind = 0;    // a value's
        std::vector<std::uint8_t> data;
    };
    std::vector<Entry> keys, values;

    static Entry* Lookup(std::vector<Entry>& list, const std::string& name, bool create = false) {
        auto it = std::lower_bound(list.begin(), list.end(), name,
                                   [](const Entry& e, const std::string& n) { return Before(e.name, n); });
        if (it != list.end() && !Before(name, it->name)) return &*it;
        return create ? &*list.insert(it, Entry{name, nullptr, 0, {}}) : nullptr;
    }
    // Follows the parts of a path from node, creating missing keys when asked.
    static std::shared_ptr<Key> Walk(std::shared_ptr<Key> node,
                                     const std::vector<std::string>& parts, bool create) {
        for (const std::string& part : parts) {
            Entry* child = Lookup(node->keys, part, create);
            if (!child) return nullptr;
            if (!child->key) child->key = std::make_shared<Key>();
            node = child->key;
        }
        return node;
    }
};

MemoryRegistry::MemoryRegistry() {
    for (RegRoot root : {kHkeyCurrentUser, kHkeyLocalMachine}) handles_[root] = std::make_shared<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::Find(RegHandle key) const {
    auto found = handles_.find(key);
    return found == handles_.end() ? nullptr : found->second.get();
}

long MemoryRegistry::Run(RegCall call, const std::function<long()>& body) {
    ++calls_[call];
    if (auto fault = faults_.find(call); fault != faults_.end()) {
        if (const std::optional<long> code = fault->second()) return *code;
    }
    return body();
}

long MemoryRegistry::Open(RegHandle key, const std::string& subKey, bool create,
                          RegHandle* result) {
    auto from = handles_.find(key);
    if (from == handles_.end()) return kErrorInvalidHandle;
    *result = subKey.empty() ? key : 0;  // an empty path gives the same handle back
    if (subKey.empty()) return kErrorSuccess;
    std::shared_ptr<Key> node = Key::Walk(from->second, SplitPath(subKey), create);
    if (!node) return kErrorFileNotFound;
    *result = nextHandle_ += 4;
    handles_[*result] = std::move(node);
    return kErrorSuccess;
}

long MemoryRegistry::OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    return Run(RegCall::OpenKey, [&] { return Open(key, subKey, false, result); });
}

long MemoryRegistry::OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t,
                               RegHandle* result) {
    return Run(RegCall::OpenKeyEx, [&] { return Open(key, subKey, false, result); });
}

long MemoryRegistry::CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    return Run(RegCall::CreateKey, [&] { return Open(key, subKey, true, result); });
}

long MemoryRegistry::QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* dataSize) {
    return Run(RegCall::QueryValueEx, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        const Key::Entry* value = Key::Lookup(node->values, valueName);
        if (!value) return kErrorFileNotFound;
        if (type) *type = value->kind;
        return CopyData(value->data, data, dataSize);
    });
}

long MemoryRegistry::SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t dataSize) {
    return Run(RegCall::SetValueEx, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        // The real call completes a text whose counted bytes miss their terminating zero when
        // the byte after them is that zero.
        if (type == kRegSz && dataSize > 0 && data[dataSize - 1] != 0 && data[dataSize] == 0) {
            ++dataSize;
        }
        Key::Entry* value = Key::Lookup(node->values, valueName, true);
        value->kind = type;
        value->data.assign(data, data + dataSize);
        return kErrorSuccess;
    });
}

long MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                             std::uint32_t nameSize) {
    return Run(RegCall::EnumKey, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        if (index >= node->keys.size()) return kErrorNoMoreItems;
        const std::string& found = node->keys[index].name;
        if (found.size() >= nameSize) return kErrorMoreData;
        std::memcpy(name, found.c_str(), found.size() + 1);
        return kErrorSuccess;
    });
}

long MemoryRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                               std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* dataSize) {
    return Run(RegCall::EnumValue, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        if (index >= node->values.size()) return kErrorNoMoreItems;
        const Key::Entry& value = node->values[index];
        if (type) *type = value.kind;
        // Data that does not fit is reported first, then a name that does not fit.
        if (CopyData(value.data, data, dataSize) == kErrorMoreData) return kErrorMoreData;
        if (value.name.size() >= *nameSize) return kErrorMoreData;
        std::memcpy(name, value.name.c_str(), value.name.size() + 1);
        *nameSize = static_cast<std::uint32_t>(value.name.size());
        return kErrorSuccess;
    });
}

long MemoryRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
    return Run(RegCall::QueryInfoKey, [&] {
        const Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        *info = RegKeyInfo{};
        for (const auto& value : node->values) {
            info->maxValueNameLen = std::max(info->maxValueNameLen, std::uint32_t(value.name.size()));
            info->maxValueLen = std::max(info->maxValueLen, std::uint32_t(value.data.size()));
        }
        return kErrorSuccess;
    });
}

long MemoryRegistry::FlushKey(RegHandle key) {
    return Run(RegCall::FlushKey, [&] { return Find(key) ? kErrorSuccess : kErrorInvalidHandle; });
}

long MemoryRegistry::CloseKey(RegHandle key) {
    return Run(RegCall::CloseKey, [&] {
        if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kErrorSuccess;
        return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    });
}

long MemoryRegistry::DeleteKey(RegHandle key, const std::string& subKey) {
    return Run(RegCall::DeleteKey, [&] {
        if (!Find(key)) return kErrorInvalidHandle;
        std::vector<std::string> parts = SplitPath(subKey);
        if (parts.empty()) return kErrorAccessDenied;  // the key itself cannot go
        const std::string name = parts.back();
        parts.pop_back();
        const std::shared_ptr<Key> parent = Key::Walk(handles_.at(key), parts, false);
        const Key::Entry* child = parent ? Key::Lookup(parent->keys, name) : nullptr;
        if (!child) return kErrorFileNotFound;
        if (!child->key->keys.empty()) return kErrorAccessDenied;
        parent->keys.erase(parent->keys.begin() + (child - parent->keys.data()));
        return kErrorSuccess;
    });
}

long MemoryRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    return Run(RegCall::DeleteValue, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        const Key::Entry* value = Key::Lookup(node->values, valueName);
        if (!value) return kErrorFileNotFound;
        node->values.erase(node->values.begin() + (value - node->values.data()));
        return kErrorSuccess;
    });
}

}  // namespace velmora::test
