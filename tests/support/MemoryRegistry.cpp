// Registry double: an in-memory registry that answers like advapi32 does under Wine.
#include "tests/support/MemoryRegistry.h"

#include <algorithm>
#include <cstring>

namespace velmora::test {

namespace {

constexpr std::uint32_t kRegMultiSz = 7;
constexpr std::size_t kMaxValueNameLength = 16383;

bool IsText(std::uint32_t kind) {
    return kind == kRegSz || kind == kRegExpandSz || kind == kRegMultiSz;
}

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
    folded.reserve(name.size());
    for (char c : name) folded.push_back(LowerCodePoint(static_cast<unsigned char>(c)));
    return folded;
}

// Splits a key path at its backslashes; empty parts (doubled or trailing backslashes) are
// skipped as the system does.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

struct MemoryRegistry::Key {
    struct Value {
        std::string name;
        std::u16string folded;
        std::uint32_t kind;
        std::vector<std::uint8_t> data;
    };
    std::string name;
    std::u16string folded;
    Key* parent = nullptr;
    bool deleted = false;
    std::vector<std::shared_ptr<Key>> children;
    std::vector<Value> values;

    // Subkeys and values stay sorted by folded name: lookups are binary searches and
    // enumeration by index is constant time.
    static bool Before(const std::shared_ptr<Key>& key, const std::u16string& folded) {
        return key->folded < folded;
    }
    static bool ValueBefore(const Value& value, const std::u16string& folded) {
        return value.folded < folded;
    }

    std::shared_ptr<Key> Child(const std::string& childName) {
        const std::u16string folded = Fold(childName);
        auto it = std::lower_bound(children.begin(), children.end(), folded, Before);
        return (it != children.end() && (*it)->folded == folded) ? *it : nullptr;
    }

    std::shared_ptr<Key> AddChild(const std::string& childName) {
        auto key = std::make_shared<Key>();
        key->name = childName;
        key->folded = Fold(childName);
        key->parent = this;
        children.insert(std::lower_bound(children.begin(), children.end(), key->folded, Before),
                        key);
        return key;
    }

    std::vector<Value>::iterator FindValue(const std::u16string& folded) {
        auto it = std::lower_bound(values.begin(), values.end(), folded, ValueBefore);
        return (it != values.end() && it->folded == folded) ? it : values.end();
    }

    void AddValue(Value value) {
        auto at = std::lower_bound(values.begin(), values.end(), value.folded, ValueBefore);
        values.insert(at, std::move(value));
    }

    // Detaches this key (which has no subkeys) from its parent.
    void Remove() {
        auto& siblings = parent->children;
        siblings.erase(
            std::find_if(siblings.begin(), siblings.end(),
                         [this](const std::shared_ptr<Key>& k) { return k.get() == this; }));
        parent = nullptr;
        deleted = true;
    }
};

MemoryRegistry::MemoryRegistry() {
    for (RegRoot root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
        roots_[root] = Handle{std::make_shared<Key>(), kKeyAllAccess};
    }
}

MemoryRegistry::~MemoryRegistry() = default;

const MemoryRegistry::Handle* MemoryRegistry::Find(RegHandle key) const {
    if (auto root = roots_.find(key); root != roots_.end()) return &root->second;
    if (auto opened = handles_.find(key); opened != handles_.end()) return &opened->second;
    return nullptr;
}

bool MemoryRegistry::IsRoot(RegHandle key) const {
    return roots_.count(key) != 0;
}

RegHandle MemoryRegistry::NewHandle(std::shared_ptr<Key> key, std::uint32_t access) {
    const RegHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = Handle{std::move(key), access};
    return handle;
}

long MemoryRegistry::Fault(RegCall call, bool* faulted) {
    ++calls_[call];
    auto it = faults_.find(call);
    const std::optional<long> code = it != faults_.end() ? it->second() : std::nullopt;
    *faulted = code.has_value();
    return code.value_or(kErrorSuccess);
}

#define VELMORA_FAULT_POINT(call)                \
    do {                                         \
        bool faulted = false;                    \
        const long code = Fault(call, &faulted); \
        if (faulted) return code;                \
    } while (false)

long MemoryRegistry::Open(RegHandle key, const std::string& subKey, std::uint32_t access,
                          bool newForEmpty, RegHandle* result) {
    if (!result) return kErrorInvalidParameter;
    const Handle* from = Find(key);
    if (!from) return kErrorInvalidHandle;
    if (subKey.empty() && !newForEmpty) {
        *result = key;
        return kErrorSuccess;
    }
    *result = 0;
    if (!subKey.empty() && subKey.front() == '\\') return kErrorBadPathname;
    if (from->key->deleted) return kErrorKeyDeleted;
    std::shared_ptr<Key> node = from->key;
    for (const std::string& part : SplitPath(subKey)) {
        node = node->Child(part);
        if (!node) return kErrorFileNotFound;
    }
    *result = NewHandle(std::move(node), access);
    return kErrorSuccess;
}

long MemoryRegistry::OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    VELMORA_FAULT_POINT(RegCall::OpenKey);
    return Open(key, subKey, kKeyAllAccess, false, result);
}

long MemoryRegistry::OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                               RegHandle* result) {
    VELMORA_FAULT_POINT(RegCall::OpenKeyEx);
    // An empty path gives a root back as it is, but a new handle for an opened key.
    return Open(key, subKey, access, !IsRoot(key), result);
}

long MemoryRegistry::CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    VELMORA_FAULT_POINT(RegCall::CreateKey);
    if (!result) return kErrorInvalidParameter;
    const Handle* from = Find(key);
    if (!from) return kErrorInvalidHandle;
    if (!subKey.empty() && subKey.front() == '\\') return kErrorBadPathname;
    if (from->key->deleted) return kErrorKeyDeleted;
    std::shared_ptr<Key> node = from->key;
    for (const std::string& part : SplitPath(subKey)) {
        std::shared_ptr<Key> child = node->Child(part);
        node = child ? child : node->AddChild(part);
    }
    *result = NewHandle(std::move(node), kKeyAllAccess);
    return kErrorSuccess;
}

long MemoryRegistry::QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* dataSize) {
    VELMORA_FAULT_POINT(RegCall::QueryValueEx);
    if (data && !dataSize) return kErrorInvalidParameter;
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if (!(handle->access & kKeyQueryValue)) return kErrorAccessDenied;
    auto value = handle->key->FindValue(Fold(valueName));
    if (value == handle->key->values.end()) return kErrorFileNotFound;
    if (type) *type = value->kind;
    const auto size = static_cast<std::uint32_t>(value->data.size());
    if (!data) {
        if (dataSize) *dataSize = size;
        return kErrorSuccess;
    }
    const std::uint32_t room = *dataSize;
    *dataSize = size;
    if (room < size) return kErrorMoreData;
    std::copy(value->data.begin(), value->data.end(), data);
    if (IsText(value->kind) && size > 0 && value->data.back() != 0 && size < room) data[size] = 0;
    return kErrorSuccess;
}

long MemoryRegistry::SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t dataSize) {
    VELMORA_FAULT_POINT(RegCall::SetValueEx);
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if (!(handle->access & kKeySetValue)) return kErrorAccessDenied;
    if (valueName.size() > kMaxValueNameLength) return kErrorInvalidParameter;
    if (!data && dataSize > 0) return kErrorNoAccess;
    // The real call completes a text whose counted bytes miss their terminating zero when the
    // byte after them is that zero.
    if (IsText(type) && dataSize > 0 && data[dataSize - 1] != 0 && data[dataSize] == 0) {
        ++dataSize;
    }
    std::vector<std::uint8_t> bytes(data, data + dataSize);
    Key& node = *handle->key;
    const std::u16string folded = Fold(valueName);
    auto value = node.FindValue(folded);
    if (value != node.values.end()) {
        value->kind = type;
        value->data = std::move(bytes);
        return kErrorSuccess;
    }
    node.AddValue(Key::Value{valueName, folded, type, std::move(bytes)});
    return kErrorSuccess;
}

long MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                             std::uint32_t nameSize) {
    VELMORA_FAULT_POINT(RegCall::EnumKey);
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if (!(handle->access & kKeyEnumerateSubKeys)) return kErrorAccessDenied;
    if (!name) return kErrorInvalidParameter;
    const auto& children = handle->key->children;
    if (index >= children.size()) return kErrorNoMoreItems;
    const std::string& found = children[index]->name;
    if (found.size() >= nameSize) return kErrorMoreData;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return kErrorSuccess;
}

long MemoryRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                               std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* dataSize) {
    VELMORA_FAULT_POINT(RegCall::EnumValue);
    if (!name || !nameSize || (data && !dataSize)) return kErrorInvalidParameter;
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if (!(handle->access & kKeyQueryValue)) return kErrorAccessDenied;
    const auto& values = handle->key->values;
    if (index >= values.size()) return kErrorNoMoreItems;
    const Key::Value& value = values[index];
    const auto size = static_cast<std::uint32_t>(value.data.size());
    if (type) *type = value.kind;
    if (data) {
        const std::uint32_t room = *dataSize;
        *dataSize = size;
        if (room < size) return kErrorMoreData;
        std::copy(value.data.begin(), value.data.end(), data);
        if (IsText(value.kind) && size > 0 && value.data.back() != 0 && size < room) {
            data[size] = 0;
        }
    } else if (dataSize) {
        *dataSize = size;
    }
    if (value.name.size() >= *nameSize) {
        if (*nameSize > 0) {
            const std::size_t cut = *nameSize - 1;
            std::memcpy(name, value.name.data(), cut);
            name[cut] = 0;
        }
        return kErrorMoreData;
    }
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *nameSize = static_cast<std::uint32_t>(value.name.size());
    return kErrorSuccess;
}

long MemoryRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
    VELMORA_FAULT_POINT(RegCall::QueryInfoKey);
    if (!info) return kErrorInvalidParameter;
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    const Key& node = *handle->key;
    if (node.deleted) return kErrorKeyDeleted;
    *info = RegKeyInfo{};
    info->subKeys = static_cast<std::uint32_t>(node.children.size());
    for (const auto& child : node.children) {
        info->maxSubKeyLen = std::max(info->maxSubKeyLen, std::uint32_t(child->name.size()));
    }
    info->values = static_cast<std::uint32_t>(node.values.size());
    for (const auto& value : node.values) {
        info->maxValueNameLen = std::max(info->maxValueNameLen, std::uint32_t(value.name.size()));
        const auto stored = std::uint32_t(value.data.size() * (IsText(value.kind) ? 2 : 1));
        info->maxValueLen = std::max(info->maxValueLen, stored);
    }
    return kErrorSuccess;
}

long MemoryRegistry::FlushKey(RegHandle key) {
    VELMORA_FAULT_POINT(RegCall::FlushKey);
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    return handle->key->deleted ? kErrorKeyDeleted : kErrorSuccess;
}

long MemoryRegistry::CloseKey(RegHandle key) {
    VELMORA_FAULT_POINT(RegCall::CloseKey);
    if (IsRoot(key)) return kErrorSuccess;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

long MemoryRegistry::DeleteKey(RegHandle key, const std::string& subKey) {
    VELMORA_FAULT_POINT(RegCall::DeleteKey);
    const Handle* from = Find(key);
    if (!from) return kErrorInvalidHandle;
    if (!subKey.empty() && subKey.front() == '\\') return kErrorBadPathname;
    if (from->key->deleted) return kErrorKeyDeleted;
    std::shared_ptr<Key> node = from->key;
    for (const std::string& part : SplitPath(subKey)) {
        node = node->Child(part);
        if (!node) return kErrorFileNotFound;
    }
    // A root cannot go, nor a key that still has subkeys.
    if (!node->parent || !node->children.empty()) return kErrorAccessDenied;
    node->Remove();
    return kErrorSuccess;
}

long MemoryRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    VELMORA_FAULT_POINT(RegCall::DeleteValue);
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if (!(handle->access & kKeySetValue)) return kErrorAccessDenied;
    auto value = handle->key->FindValue(Fold(valueName));
    if (value == handle->key->values.end()) return kErrorFileNotFound;
    handle->key->values.erase(value);
    return kErrorSuccess;
}

#undef VELMORA_FAULT_POINT

void MemoryRegistry::InjectFault(RegCall call, std::function<std::optional<long>()> fault) {
    faults_[call] = std::move(fault);
}

void MemoryRegistry::FailWith(RegCall call, long code) {
    InjectFault(call, [code] { return std::optional<long>(code); });
}

void MemoryRegistry::ThrowOn(RegCall call, const RuntimeError& error) {
    InjectFault(call, [error]() -> std::optional<long> { throw error; });
}

void MemoryRegistry::ClearFaults() {
    faults_.clear();
}

std::size_t MemoryRegistry::Calls(RegCall call) const {
    auto it = calls_.find(call);
    return it == calls_.end() ? 0 : it->second;
}

}  // namespace velmora::test
