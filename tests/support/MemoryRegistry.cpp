// Registry double: an in-memory registry that answers the calls cRegistry makes as advapi32 does.
#include "tests/support/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace velmora::test {

namespace {

// The system keeps names in UTF-16 and orders them by their lower-case code points; ANSI names
// are code page 1252. Only the letters of that code page have case.
char16_t LowerCodePoint(unsigned char c) {
    static const char16_t k80to9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0161,
        0x2039, 0x0153, 0x008D, 0x017E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x00FF};
    if (c >= 'A' && c <= 'Z') return char16_t(c + 0x20);
    if (c >= 0x80 && c <= 0x9F) return k80to9F[c - 0x80];
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 0x20);
    return char16_t(c);
}

std::u16string Fold(const std::string& name) {
    std::u16string folded;
    for (char c : name) folded.push_back(LowerCodePoint(static_cast<unsigned char>(c)));
    return folded;
}

// The parts of a key path; empty parts (doubled or trailing backslashes) are skipped as the
// system does.
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

// Subkeys and values alike are entries kept sorted by folded name, so that lookups are binary
// searches and enumeration by index is constant time.
struct MemoryRegistry::Key {
    struct Entry {
        std::string name;
        std::u16string folded;
        std::shared_ptr<Key> key;  // a subkey's
        std::uint32_t kind = 0;    // a value's
        std::vector<std::uint8_t> data;
    };
    std::vector<Entry> children, values;

    static Entry* Lookup(std::vector<Entry>& list, const std::string& name, bool create = false) {
        const std::u16string folded = Fold(name);
        auto it = std::lower_bound(
            list.begin(), list.end(), folded,
            [](const Entry& entry, const std::u16string& f) { return entry.folded < f; });
        if (it != list.end() && it->folded == folded) return &*it;
        return create ? &*list.insert(it, Entry{name, folded, nullptr, 0, {}}) : nullptr;
    }
    static void Erase(std::vector<Entry>& list, const Entry* entry) {
        list.erase(list.begin() + (entry - list.data()));
    }
    // Follows the parts of a path from node, creating missing keys when asked.
    static std::shared_ptr<Key> Walk(std::shared_ptr<Key> node,
                                     const std::vector<std::string>& parts, bool create) {
        for (const std::string& part : parts) {
            Entry* child = Lookup(node->children, part, create);
            if (!child) return nullptr;
            if (!child->key) child->key = std::make_shared<Key>();
            node = child->key;
        }
        return node;
    }
};

MemoryRegistry::MemoryRegistry() {
    for (RegRoot root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
        handles_[root] = std::make_shared<Key>();
    }
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::Find(RegHandle key) const {
    auto found = handles_.find(key);
    return found == handles_.end() ? nullptr : found->second.get();
}

template <class Body>
long MemoryRegistry::Run(RegCall call, Body body) {
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
    // An empty path gives the same handle back.
    if (subKey.empty()) {
        *result = key;
        return kErrorSuccess;
    }
    *result = 0;
    std::shared_ptr<Key> node = Key::Walk(from->second, SplitPath(subKey), create);
    if (!node) return kErrorFileNotFound;
    *result = nextHandle_;
    nextHandle_ += 4;
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
        if (index >= node->children.size()) return kErrorNoMoreItems;
        const std::string& found = node->children[index].name;
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
            info->maxValueNameLen =
                std::max(info->maxValueNameLen, std::uint32_t(value.name.size()));
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
        auto from = handles_.find(key);
        if (from == handles_.end()) return kErrorInvalidHandle;
        std::vector<std::string> parts = SplitPath(subKey);
        // A root cannot go, nor a key that still has subkeys.
        if (parts.empty()) return kErrorAccessDenied;
        const std::string name = parts.back();
        parts.pop_back();
        const std::shared_ptr<Key> parent = Key::Walk(from->second, parts, false);
        const Key::Entry* child = parent ? Key::Lookup(parent->children, name) : nullptr;
        if (!child) return kErrorFileNotFound;
        if (!child->key->children.empty()) return kErrorAccessDenied;
        Key::Erase(parent->children, child);
        return kErrorSuccess;
    });
}

long MemoryRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    return Run(RegCall::DeleteValue, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        const Key::Entry* value = Key::Lookup(node->values, valueName);
        if (!value) return kErrorFileNotFound;
        Key::Erase(node->values, value);
        return kErrorSuccess;
    });
}

void MemoryRegistry::InjectFault(RegCall call, std::function<std::optional<long>()> fault) {
    faults_[call] = std::move(fault);
}

void MemoryRegistry::FailWith(RegCall call, long code) {
    InjectFault(call, [code] { return std::optional<long>(code); });
}

void MemoryRegistry::ThrowOn(RegCall call, const RuntimeError& error) {
    InjectFault(call, [error]() -> std::optional<long> { throw error; });
}

std::size_t MemoryRegistry::Calls(RegCall call) const {
    auto it = calls_.find(call);
    return it == calls_.end() ? 0 : it->second;
}

}  // namespace velmora::test
