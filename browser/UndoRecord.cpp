// The one-level undo: the exact state of every browser value the program may change.
#include "browser/UndoRecord.h"

#include <cstdint>

#include "browser/BrowserSettings.h"
#include "registry/RegistryText.h"
#include "registry/ScopedRegKey.h"
#include "store/InstalledThemeStore.h"

namespace velmora {

namespace {

// The record is one binary value, written in one step: the caption, then every touched value
// in the order of TouchedValues, each as Capture gives it. Every part is preceded by its
// length (four bytes, low first).
constexpr char kUndoKey[] = "Software\\Tolvane\\Quenmark\\Undo";
constexpr char kRecord[] = "Record";

using Bytes = std::vector<std::uint8_t>;

std::vector<TouchedValue> MakeTouchedValues() {
    using namespace browser;
    constexpr RegRoot user = kHkeyCurrentUser, machine = kHkeyLocalMachine;
    std::vector<TouchedValue> values;
    const auto add = [&values](RegRoot root, const std::string& key, const std::string& name) {
        for (const TouchedValue& v : values)
            if (v.root == root && v.key == key && v.name == name) return;
        values.push_back({root, key, name});
    };
    for (const char* name : {kExplorerBackBitmap, kBrowserBackBitmap, kBigBitmap, kBrandBitmap,
                             kSmallBitmap, kSmBrandBitmap, kTheaterLayoutValue, kToolbarsLocked})
        add(user, kToolbarKey, name);
    for (const char* key : {kWebBrowserToolbarKey, kShellBrowserToolbarKey, kExplorerToolbarKey})
        add(user, key, kLayoutValue);
    for (const char* name :
         {kWindowTitle, kStartPage, kLocalPage, kSearchPage, kSearchBar, kWindowPlacement})
        add(user, kMainKey, name);
    add(machine, kMachineSearchKey, kSearchAssistant);
    add(machine, kMachineSearchKey, kCustomizeSearch);
    add(user, kSearchUrlKey, "");
    add(user, kOldWorkAreasKey, kOldWorkAreaRects);
    add(user, kControlPanelPolicyKey, kHomePageLock);
    add(user, kControlPanelPolicyKey, kGeneralTab);
    add(user, kTipsBarKey, kBarUrl);
    add(machine, kTipsBarKey, kBarUrl);
    add(machine, kDiscussionBarKey, kBarUrl);
    for (const char* name : {kUserStyleSheet, kUseMyStylesheet}) add(user, kStylesKey, name);
    for (const char* name : {kAlwaysUseMyColors, kAlwaysUseMyFontFace, kAlwaysUseMyFontSize})
        add(user, kSettingsKey, name);
    add(machine, kHelpMenuUrlsKey, kOnlineSupport);
    add(user, kPoliciesKey, kWindowsUpdateMenuText);
    for (const char* key : {kSoundExplorerOpen, kSoundBrowserOpen, kSoundNavigating,
                            kSoundActivatingDocument, kSoundMailBeep, kSoundContactOnline,
                            kSoundNewAlert, kSoundMessengerMail, kSoundNewMessage})
        add(user, key, "");
    for (const char* key : kResetSoundKeys) add(user, key, "");
    add(user, InstalledThemeStore::MarkKey(), "");
    return values;
}

// The value as the record keeps it: its kind (four bytes, low first), then its data; nothing
// when it is absent.
Bytes Capture(RegistryApi& api, const TouchedValue& value) {
    ScopedRegKey key(api);
    std::uint32_t kind = 0, size = 0;
    if (api.OpenKeyEx(value.root, value.key, kKeyRead, key.Out()) != kErrorSuccess ||
        api.QueryValueEx(key.Get(), value.name, &kind, nullptr, &size) != kErrorSuccess) {
        return {};
    }
    Bytes record(4 + size + 1);
    if (api.QueryValueEx(key.Get(), value.name, &kind, record.data() + 4, &size) != kErrorSuccess)
        return {};
    record.resize(4 + size);
    for (int i = 0; i < 4; ++i) record[i] = std::uint8_t(kind >> (8 * i));
    return record;
}

void Restore(RegistryApi& api, const TouchedValue& value, const Bytes& record) {
    ScopedRegKey key(api);
    if (record.empty()) {
        if (api.OpenKeyEx(value.root, value.key, kKeyAllAccess, key.Out()) == kErrorSuccess)
            api.DeleteValue(key.Get(), value.name);
        return;
    }
    const std::uint32_t kind = DwordOf(record.data(), 4);
    Bytes data(record.begin() + 4, record.end());
    const auto size = static_cast<std::uint32_t>(data.size());
    // The system stores a text's zero that follows the counted bytes too: a text recorded
    // without one is followed by a byte that is not zero.
    data.push_back(data.empty() || data.back() == 0 ? 0 : 1);
    if (api.CreateKey(value.root, value.key, key.Out()) == kErrorSuccess)
        api.SetValueEx(key.Get(), value.name, kind, data.data(), size);
}

void AppendPart(Bytes& record, const Bytes& part) {
    const auto size = static_cast<std::uint32_t>(part.size());
    for (int shift = 0; shift < 32; shift += 8) record.push_back(std::uint8_t(size >> shift));
    record.insert(record.end(), part.begin(), part.end());
}

// The record's parts; nothing for a record that is missing or damaged.
std::optional<std::vector<Bytes>> ReadRecord(RegistryApi& api) {
    const Bytes value = Capture(api, {kHkeyCurrentUser, kUndoKey, kRecord});
    std::vector<Bytes> parts;
    for (std::size_t at = 4; at < value.size();) {
        if (value.size() - at < 4) return std::nullopt;
        const std::size_t size = DwordOf(value.data() + at, 4);
        at += 4;
        if (value.size() - at < size) return std::nullopt;
        parts.emplace_back(value.begin() + at, value.begin() + at + size);
        at += size;
    }
    if (parts.size() != TouchedValues().size() + 1) return std::nullopt;
    return parts;
}

}  // namespace

const std::vector<TouchedValue>& TouchedValues() {
    static const std::vector<TouchedValue> values = MakeTouchedValues();
    return values;
}

bool RecordUndo(const Platform& platform, const std::string& caption) {
    RegistryApi& api = *platform.registry;
    Bytes record;
    AppendPart(record, Bytes(caption.begin(), caption.end()));
    for (const TouchedValue& value : TouchedValues()) AppendPart(record, Capture(api, value));
    ScopedRegKey key(api);
    return api.CreateKey(kHkeyCurrentUser, kUndoKey, key.Out()) == kErrorSuccess &&
           api.SetValueEx(key.Get(), kRecord, kRegBinary, record.data(),
                          static_cast<std::uint32_t>(record.size())) == kErrorSuccess;
}

std::optional<std::string> UndoCaption(const Platform& platform) {
    const auto parts = ReadRecord(*platform.registry);
    if (!parts) return std::nullopt;
    return std::string(parts->front().begin(), parts->front().end());
}

bool UndoLastChange(const Platform& platform) {
    RegistryApi& api = *platform.registry;
    const auto parts = ReadRecord(api);
    if (!parts) return false;
    const std::vector<TouchedValue>& values = TouchedValues();
    for (std::size_t i = 0; i < values.size(); ++i) Restore(api, values[i], (*parts)[i + 1]);
    ScopedRegKey key(api);
    if (api.OpenKeyEx(kHkeyCurrentUser, kUndoKey, kKeyAllAccess, key.Out()) == kErrorSuccess)
        api.DeleteValue(key.Get(), kRecord);
    return true;
}

}  // namespace velmora
