// The one registry class: every registry read, write, enumeration and deletion of the program.
#include "registry/cRegistry.h"

#include <algorithm>
#include <functional>

#include "platform/RuntimeErrors.h"
#include "registry/SameText.h"
#include "registry/ScopedRegKey.h"

namespace velmora {

namespace {

// The fixed buffers of the single-value reads and of the enumeration by index.
constexpr std::uint32_t kBufferSize = 2048;
// Longest value name the system allows, plus its terminating zero.
constexpr std::size_t kMaxNameBuffer = 16384;

using ValueVisitor = std::function<void(const std::string& name, std::uint32_t kind,
                                        const std::uint8_t* data, std::uint32_t count)>;

// Opens Section for reading and hands every value to each, in enumeration order; the data
// only when withData. The buffers start at the key's own maxima and grow when a value or name
// does not fit them (it may change meanwhile), so one long value does not end the list early.
void ForEachValue(RegistryApi& api, RegRoot Group, const std::string& Section, bool withData,
                  const ValueVisitor& each) {
    ScopedRegKey key(api);
    if (api.OpenKeyEx(Group, Section, kKeyRead, key.Out()) != kErrorSuccess) return;
    RegKeyInfo info;
    if (api.QueryInfoKey(key.Get(), &info) == kErrorSuccess) {
        std::vector<char> name(std::size_t(info.maxValueNameLen) + 1, '\0');
        std::vector<std::uint8_t> data(withData ? std::size_t(info.maxValueLen) + 1 : 0, 0);
        for (std::uint32_t index = 0;; ++index) {
            std::uint32_t nameLength = 0, kind = 0, count = 0;
            long rc = kErrorMoreData;
            for (int attempt = 0; attempt < 4 && rc == kErrorMoreData; ++attempt) {
                nameLength = std::uint32_t(name.size());
                count = std::uint32_t(data.size());
                rc = api.EnumValue(key.Get(), index, name.data(), &nameLength, &kind,
                                   withData ? data.data() : nullptr, withData ? &count : nullptr);
                if (rc != kErrorMoreData) break;
                if (withData && count > data.size()) {
                    data.resize(std::size_t(count) + 1);
                } else if (name.size() < kMaxNameBuffer) {
                    name.resize(kMaxNameBuffer);  // the system does not say how long the name is
                } else {
                    break;
                }
            }
            if (rc != kErrorSuccess) break;
            nameLength = std::min(nameLength, std::uint32_t(name.size() - 1));
            count = std::min(count, std::uint32_t(data.size()));
            each(std::string(name.data(), nameLength), kind, data.data(), count);
        }
    }
    key.Close();
}

}  // namespace

bool IsNotFound(const std::string& text) {
    return SameText(text, kNotFound);
}

cRegistry::cRegistry(const Platform& platform) : registry_(platform.registry), trap_(platform) {}

RegistryApi& cRegistry::Api() const {
    if (!registry_) throw ObjectNotSet();
    return *registry_;
}

std::string cRegistry::ReadRegistry(RegRoot Group, const std::string& Section,
                                    const std::string& Key) {
    std::string result;
    trap_.Run([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        // A failed open leaves a null handle, and the query on it fails.
        api.OpenKey(Group, Section, key.Out());
        std::vector<std::uint8_t> buffer(kBufferSize, ' ');
        std::uint32_t kind = 0;
        std::uint32_t count = kBufferSize;
        if (api.QueryValueEx(key.Get(), Key, &kind, buffer.data(), &count) != kErrorSuccess) {
            result = kNotFound;
        } else {
            result = DataText(kind, buffer.data(), std::min(count, kBufferSize), TextForm::Read);
        }
        key.Close();
    });
    return result;
}

void cRegistry::WriteRegistry(RegRoot Group, const std::string& Section, const std::string& Key,
                              long ValType, const RegValue& Value) {
    // Converted before anything is created: a value that does not convert raises to the
    // caller and leaves the registry as it was.
    const RegData data = DataToWrite(ValType, Value);
    RegistryApi& api = Api();
    ScopedRegKey key(api);
    api.CreateKey(Group, Section, key.Out());
    api.SetValueEx(key.Get(), Key, data.kind, data.bytes.data(), data.count);
    api.FlushKey(key.Get());
    key.Close();
}

long cRegistry::EnumSubkey(RegRoot Group, const std::string& Section, long idx, std::string* name) {
    RegistryApi& api = Api();
    ScopedRegKey key(api);
    api.OpenKey(Group, Section, key.Out());
    std::vector<char> buffer(kBufferSize, '\0');
    const long rc = idx < 0
                        ? kErrorNoMoreItems
                        : api.EnumKey(key.Get(), std::uint32_t(idx), buffer.data(), kBufferSize);
    if (rc == kErrorSuccess) {
        buffer.back() = '\0';
        *name = buffer.data();
    }
    key.Close();
    return rc;
}

std::string cRegistry::ReadRegistryGetSubkey(RegRoot Group, const std::string& Section, long idx) {
    std::string result;
    trap_.Run([&] {
        std::string name;
        result = EnumSubkey(Group, Section, idx, &name) == kErrorSuccess ? name : kNotFound;
    });
    return result;
}

RegEnumEntry cRegistry::ReadRegistryGetAll(RegRoot Group, const std::string& Section, long idx) {
    RegEnumEntry result;
    trap_.Run([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        std::vector<char> name(kBufferSize, '\0');
        std::vector<std::uint8_t> data(kBufferSize, ' ');
        std::uint32_t nameLength = kBufferSize;
        std::uint32_t count = kBufferSize;
        std::uint32_t kind = 0;
        const long rc = idx < 0 ? kErrorNoMoreItems
                                : api.EnumValue(key.Get(), std::uint32_t(idx), name.data(),
                                                &nameLength, &kind, data.data(), &count);
        if (rc == kErrorSuccess) {
            result.kind = long(kind);
            result.name.assign(name.data(), std::min(nameLength, kBufferSize - 1));
            result.data =
                DataText(kind, data.data(), std::min(count, kBufferSize), TextForm::Listed);
        } else {
            result = RegEnumEntry{0, "", kNotFound};
        }
        key.Close();
    });
    return result;
}

std::string cRegistry::DeleteSubkey(RegRoot Group, const std::string& Section) {
    trap_.Run([&] {
        RegistryApi& api = Api();
        ScopedRegKey root(api);
        api.OpenKeyEx(Group, "", kKeyAllAccess, root.Out());
        // The system refuses a key that still has subkeys, and the root itself.
        api.DeleteKey(root.Get(), Section);
        root.Close();
    });
    return std::string();
}

std::string cRegistry::DeleteValue(RegRoot Group, const std::string& Section,
                                   const std::string& Key) {
    trap_.Run([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        api.DeleteValue(key.Get(), Key);
        key.Close();
    });
    return std::string();
}

std::vector<std::string> cRegistry::GetAllKeys(RegRoot Group, const std::string& Section) {
    std::vector<std::string> result;
    // Each index opens and closes the key once. The end is decided by the enumeration's own
    // code, so a subkey that happens to be named "Not Found" is listed, and an error ends the
    // list instead of repeating forever.
    trap_.Run([&] {
        std::string name;
        for (long idx = 0; EnumSubkey(Group, Section, idx, &name) == kErrorSuccess; ++idx) {
            result.push_back(name);
        }
    });
    result.push_back(kNotFound);
    return result;
}

std::optional<std::vector<std::pair<std::string, std::string>>> cRegistry::GetAllValues(
    RegRoot Group, const std::string& Section) {
    std::optional<std::vector<std::pair<std::string, std::string>>> result;
    trap_.Run([&] {
        std::vector<std::pair<std::string, std::string>> rows;
        ForEachValue(Api(), Group, Section, true,
                     [&](const std::string& name, std::uint32_t kind, const std::uint8_t* data,
                         std::uint32_t count) {
                         if (kind != kRegSz && kind != kRegBinary) return;
                         rows.emplace_back(name, DataText(kind, data, count, TextForm::Listed));
                     });
        // Only a complete list is given: an error on the way leaves nothing.
        if (!rows.empty()) result = std::move(rows);
    });
    return result;
}

std::vector<std::uint8_t> cRegistry::ReadRegistryByte(RegRoot Group, const std::string& Section,
                                                      const std::string& Key) {
    std::vector<std::uint8_t> result;
    trap_.Run([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        // A zero-sized query learns the kind and the size; a value with data answers that it
        // needs more room.
        std::uint8_t scratch[4] = {};
        std::uint32_t kind = 0;
        std::uint32_t count = 0;
        const long rc = api.QueryValueEx(key.Get(), Key, &kind, scratch, &count);
        if (rc == kErrorMoreData && kind == kRegBinary) {
            // One spare trailing element, so that writing the array back keeps the length.
            std::vector<std::uint8_t> bytes(std::size_t(count) + 1, 0);
            std::uint32_t got = count;
            if (api.QueryValueEx(key.Get(), Key, &kind, bytes.data(), &got) == kErrorSuccess &&
                kind == kRegBinary && got <= count) {
                bytes.resize(std::size_t(got) + 1);
                result = std::move(bytes);
            }
        }
        key.Close();
    });
    return result;
}

std::optional<std::vector<std::string>> cRegistry::GetValues(RegRoot Group,
                                                             const std::string& Section) {
    std::optional<std::vector<std::string>> result;
    trap_.Run([&] {
        std::vector<std::string> names;
        ForEachValue(Api(), Group, Section, false,
                     [&](const std::string& name, std::uint32_t, const std::uint8_t*,
                         std::uint32_t) { names.push_back(name); });
        if (!names.empty()) result = std::move(names);
    });
    return result;
}

}  // namespace velmora
