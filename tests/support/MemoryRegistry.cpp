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

}  // namespace

struct MemoryRegistry::Key {
    struct Value {
        std::string name;
        std::u16string folded;
        std::uint32_t kind;
        std::vector<std::uint8_t> data;

        // As QueryValueEx and EnumValue copy: the size is always given, the data only when
        // it fits, and a text stored without its zero gets one when there is room.
        long Copy(std::uint8_t* out, std::uint32_t* outSize) const {
            const auto size = static_cast<std::uint32_t>(data.size());
            if (!out) {
                if (outSize) *outSize = size;
                return kErrorSuccess;
            }
            const std::uint32_t room = *outSize;
            *outSize = size;
            if (room < size) return kErrorMoreData;
            std::copy(data.begin(), data.end(), out);
            if (IsText(kind) && size > 0 && data.back() != 0 && size < room) out[size] = 0;
            return kErrorSuccess;
        }
    };
    std::string name;
    std::u16string folded;
    Key* parent = nullptr;
    bool deleted = false;
    std::vector<std::shared_ptr<Key>> children;
    std::vector<Value> values;

    // Subkeys and values stay sorted by folded name: lookups are binary searches and
    // enumeration by index is constant time.
    static const std::u16string& FoldedOf(const std::shared_ptr<Key>& key) { return key->folded; }
    static const std::u16string& FoldedOf(const Value& value) { return value.folded; }
    template <class Item>
    static auto Seek(std::vector<Item>& items, const std::u16string& folded) {
        return std::lower_bound(
            items.begin(), items.end(), folded,
            [](const Item& item, const std::u16string& f) { return FoldedOf(item) < f; });
    }

    std::shared_ptr<Key> Child(const std::string& childName, bool create) {
        const std::u16string f = Fold(childName);
        auto it = Seek(children, f);
        if (it != children.end() && (*it)->folded == f) return *it;
        if (!create) return nullptr;
        auto key = std::make_shared<Key>();
        key->name = childName;
        key->folded = f;
        key->parent = this;
        return *children.insert(it, key);
    }

    Value* FindValue(const std::string& valueName) {
        const std::u16string f = Fold(valueName);
        auto it = Seek(values, f);
        return it != values.end() && it->folded == f ? &*it : nullptr;
    }
};

MemoryRegistry::MemoryRegistry() {
    for (RegRoot root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
        handles_[root] = Handle{std::make_shared<Key>(), kKeyAllAccess};
    }
}

bool MemoryRegistry::IsRoot(RegHandle key) {
    return key == kHkeyCurrentUser || key == kHkeyLocalMachine;
}

MemoryRegistry::~MemoryRegistry() = default;

const MemoryRegistry::Handle* MemoryRegistry::Find(RegHandle key) const {
    auto found = handles_.find(key);
    return found == handles_.end() ? nullptr : &found->second;
}

long MemoryRegistry::Use(RegHandle key, std::uint32_t access, Key** node) const {
    const Handle* handle = Find(key);
    if (!handle) return kErrorInvalidHandle;
    if (handle->key->deleted) return kErrorKeyDeleted;
    if ((handle->access & access) != access) return kErrorAccessDenied;
    *node = handle->key.get();
    return kErrorSuccess;
}

long MemoryRegistry::Walk(RegHandle key, const std::string& subKey, bool create,
                          std::shared_ptr<Key>* node) const {
    const Handle* from = Find(key);
    if (!from) return kErrorInvalidHandle;
    if (!subKey.empty() && subKey.front() == '\\') return kErrorBadPathname;
    if (from->key->deleted) return kErrorKeyDeleted;
    *node = from->key;
    for (const std::string& part : SplitPath(subKey)) {
        *node = (*node)->Child(part, create);
        if (!*node) return kErrorFileNotFound;
    }
    return kErrorSuccess;
}

template <class Body>
long MemoryRegistry::Run(RegCall call, Body body) {
    ++calls_[call];
    if (auto fault = faults_.find(call); fault != faults_.end()) {
        if (const std::optional<long> code = fault->second()) return *code;
    }
    return body();
}

long MemoryRegistry::Open(RegHandle key, const std::string& subKey, std::uint32_t access,
                          bool newForEmpty, RegHandle* result, bool create) {
    if (!result) return kErrorInvalidParameter;
    if (!Find(key)) return kErrorInvalidHandle;
    if (subKey.empty() && !newForEmpty) {
        *result = key;
        return kErrorSuccess;
    }
    if (!create) *result = 0;
    std::shared_ptr<Key> node;
    if (const long rc = Walk(key, subKey, create, &node); rc != kErrorSuccess) return rc;
    *result = nextHandle_;
    nextHandle_ += 4;
    handles_[*result] = Handle{std::move(node), access};
    return kErrorSuccess;
}

long MemoryRegistry::OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    return Run(RegCall::OpenKey, [&] { return Open(key, subKey, kKeyAllAccess, false, result); });
}

long MemoryRegistry::OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                               RegHandle* result) {
    // An empty path gives a root back as it is, but a new handle for an opened key.
    return Run(RegCall::OpenKeyEx,
               [&] { return Open(key, subKey, access, !IsRoot(key), result); });
}

long MemoryRegistry::CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    return Run(RegCall::CreateKey,
               [&] { return Open(key, subKey, kKeyAllAccess, true, result, true); });
}

long MemoryRegistry::QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* dataSize) {
    return Run(RegCall::QueryValueEx, [&] {
        if (data && !dataSize) return kErrorInvalidParameter;
        Key* node = nullptr;
        if (const long rc = Use(key, kKeyQueryValue, &node); rc != kErrorSuccess) return rc;
        const Key::Value* value = node->FindValue(valueName);
        if (!value) return kErrorFileNotFound;
        if (type) *type = value->kind;
        return value->Copy(data, dataSize);
    });
}

long MemoryRegistry::SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t dataSize) {
    return Run(RegCall::SetValueEx, [&] {
        Key* node = nullptr;
        if (const long rc = Use(key, kKeySetValue, &node); rc != kErrorSuccess) return rc;
        if (valueName.size() > kMaxValueNameLength) return kErrorInvalidParameter;
        if (!data && dataSize > 0) return kErrorNoAccess;
        // The real call completes a text whose counted bytes miss their terminating zero when
        // the byte after them is that zero.
        if (IsText(type) && dataSize > 0 && data[dataSize - 1] != 0 && data[dataSize] == 0) {
            ++dataSize;
        }
        std::vector<std::uint8_t> bytes(data, data + dataSize);
        if (Key::Value* value = node->FindValue(valueName)) {
            value->kind = type;
            value->data = std::move(bytes);
        } else {
            const std::u16string folded = Fold(valueName);
            node->values.insert(Key::Seek(node->values, folded),
                                Key::Value{valueName, folded, type, std::move(bytes)});
        }
        return kErrorSuccess;
    });
}

long MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                             std::uint32_t nameSize) {
    return Run(RegCall::EnumKey, [&] {
        Key* node = nullptr;
        if (const long rc = Use(key, kKeyEnumerateSubKeys, &node); rc != kErrorSuccess) return rc;
        if (!name) return kErrorInvalidParameter;
        if (index >= node->children.size()) return kErrorNoMoreItems;
        const std::string& found = node->children[index]->name;
        if (found.size() >= nameSize) return kErrorMoreData;
        std::memcpy(name, found.c_str(), found.size() + 1);
        return kErrorSuccess;
    });
}

long MemoryRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                               std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* dataSize) {
    return Run(RegCall::EnumValue, [&] {
        if (!name || !nameSize || (data && !dataSize)) return kErrorInvalidParameter;
        Key* node = nullptr;
        if (const long rc = Use(key, kKeyQueryValue, &node); rc != kErrorSuccess) return rc;
        if (index >= node->values.size()) return kErrorNoMoreItems;
        const Key::Value& value = node->values[index];
        if (type) *type = value.kind;
        if (value.Copy(data, dataSize) == kErrorMoreData) return kErrorMoreData;
        if (value.name.size() >= *nameSize) {
            if (*nameSize > 0) {
                std::memcpy(name, value.name.data(), *nameSize - 1);
                name[*nameSize - 1] = 0;
            }
            return kErrorMoreData;
        }
        std::memcpy(name, value.name.c_str(), value.name.size() + 1);
        *nameSize = static_cast<std::uint32_t>(value.name.size());
        return kErrorSuccess;
    });
}

long MemoryRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
    return Run(RegCall::QueryInfoKey, [&] {
        if (!info) return kErrorInvalidParameter;
        Key* node = nullptr;
        if (const long rc = Use(key, 0, &node); rc != kErrorSuccess) return rc;
        *info = RegKeyInfo{};
        info->subKeys = static_cast<std::uint32_t>(node->children.size());
        for (const auto& child : node->children) {
            info->maxSubKeyLen = std::max(info->maxSubKeyLen, std::uint32_t(child->name.size()));
        }
        info->values = static_cast<std::uint32_t>(node->values.size());
        for (const auto& value : node->values) {
            info->maxValueNameLen =
                std::max(info->maxValueNameLen, std::uint32_t(value.name.size()));
            const auto stored = std::uint32_t(value.data.size() * (IsText(value.kind) ? 2 : 1));
            info->maxValueLen = std::max(info->maxValueLen, stored);
        }
        return kErrorSuccess;
    });
}

long MemoryRegistry::FlushKey(RegHandle key) {
    return Run(RegCall::FlushKey, [&] {
        Key* node = nullptr;
        return Use(key, 0, &node);
    });
}

long MemoryRegistry::CloseKey(RegHandle key) {
    return Run(RegCall::CloseKey, [&] {
        if (IsRoot(key)) return kErrorSuccess;
        return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    });
}

long MemoryRegistry::DeleteKey(RegHandle key, const std::string& subKey) {
    return Run(RegCall::DeleteKey, [&] {
        std::shared_ptr<Key> node;
        if (const long rc = Walk(key, subKey, false, &node); rc != kErrorSuccess) return rc;
        // A root cannot go, nor a key that still has subkeys.
        if (!node->parent || !node->children.empty()) return kErrorAccessDenied;
        auto& siblings = node->parent->children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), node));
        node->parent = nullptr;
        node->deleted = true;
        return kErrorSuccess;
    });
}

long MemoryRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    return Run(RegCall::DeleteValue, [&] {
        Key* node = nullptr;
        if (const long rc = Use(key, kKeySetValue, &node); rc != kErrorSuccess) return rc;
        const Key::Value* value = node->FindValue(valueName);
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

void MemoryRegistry::ClearFaults() {
    faults_.clear();
}

std::size_t MemoryRegistry::Calls(RegCall call) const {
    auto it = calls_.find(call);
    return it == calls_.end() ? 0 : it->second;
}

}  // namespace velmora::test
