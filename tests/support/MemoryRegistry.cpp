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

// Items kept sorted by folded name: the position of name, or where it would go.
template <class Item>
auto Seek(std::vector<Item>& items, const std::u16string& folded) {
    return std::lower_bound(
        items.begin(), items.end(), folded,
        [](const Item& item, const std::u16string& f) { return item.folded < f; });
}

}  // namespace

struct MemoryRegistry::Key {
    struct Named {
        std::string name;
        std::u16string folded;
    };
    struct Value : Named {
        std::uint32_t kind;
        std::vector<std::uint8_t> data;
    };
    struct Child : Named {
        std::shared_ptr<Key> key;
    };
    std::vector<Child> children;
    std::vector<Value> values;

    template <class Item>
    static Item* Lookup(std::vector<Item>& items, const std::string& name) {
        const std::u16string folded = Fold(name);
        auto it = Seek(items, folded);
        return it != items.end() && it->folded == folded ? &*it : nullptr;
    }
    // Follows path from node, creating missing keys when asked.
    static std::shared_ptr<Key> Walk(std::shared_ptr<Key> node, const std::string& path,
                                     bool create) {
        for (const std::string& part : SplitPath(path)) {
            Child* child = Lookup(node->children, part);
            if (!child && !create) return nullptr;
            if (!child) {
                const std::u16string folded = Fold(part);
                child = &*node->children.insert(Seek(node->children, folded),
                                                Child{{part, folded}, std::make_shared<Key>()});
            }
            node = child->key;
        }
        return node;
    }
};

namespace {

// As QueryValueEx and EnumValue copy: the size is always given, the data only when it fits.
long CopyData(const std::vector<std::uint8_t>& data, std::uint8_t* out, std::uint32_t* outSize) {
    const auto size = static_cast<std::uint32_t>(data.size());
    if (!out) {
        if (outSize) *outSize = size;
        return kErrorSuccess;
    }
    const std::uint32_t room = *outSize;
    *outSize = size;
    if (room < size) return kErrorMoreData;
    std::copy(data.begin(), data.end(), out);
    return kErrorSuccess;
}

}  // namespace

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
    std::shared_ptr<Key> node = Key::Walk(from->second, subKey, create);
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
        const Key::Value* value = Key::Lookup(node->values, valueName);
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
        std::vector<std::uint8_t> bytes(data, data + dataSize);
        if (Key::Value* value = Key::Lookup(node->values, valueName)) {
            value->kind = type;
            value->data = std::move(bytes);
        } else {
            const std::u16string folded = Fold(valueName);
            node->values.insert(Seek(node->values, folded),
                                Key::Value{{valueName, folded}, type, std::move(bytes)});
        }
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
        const Key::Value& value = node->values[index];
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
        const std::string last = parts.back();
        parts.pop_back();
        std::shared_ptr<Key> parent = from->second;
        for (const std::string& part : parts) {
            parent = Key::Walk(parent, part, false);
            if (!parent) return kErrorFileNotFound;
        }
        const Key::Child* child = Key::Lookup(parent->children, last);
        if (!child) return kErrorFileNotFound;
        if (!child->key->children.empty()) return kErrorAccessDenied;
        parent->children.erase(parent->children.begin() + (child - parent->children.data()));
        return kErrorSuccess;
    });
}

long MemoryRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    return Run(RegCall::DeleteValue, [&] {
        Key* node = Find(key);
        if (!node) return kErrorInvalidHandle;
        const Key::Value* value = Key::Lookup(node->values, valueName);
        if (!value) return kErrorFileNotFound;
        node->values.erase(node->values.begin() + (value - node->values.data()));
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
