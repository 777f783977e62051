// A registry port that forwards every call to another and writes it down in a CallLog.
#include "bench/win32/RecordingRegistry.h"

namespace velmora::bench {

using Kind = CallLog::Kind;

long RecordingRegistry::Opened(Kind kind, RegHandle key, const std::string& subKey,
                               std::uint32_t access, long rc, RegHandle* result) {
    if (!log_.Recording()) return rc;
    CallLog::Call call;
    call.kind = kind;
    call.key = log_.KeyOf(key);
    call.name = subKey;
    call.number = access;
    call.opened = log_.NewSlot(result ? *result : 0);
    log_.Add(std::move(call));
    return rc;
}

void RecordingRegistry::Simple(Kind kind, RegHandle key, const std::string& name,
                               std::uint32_t number) {
    if (!log_.Recording()) return;
    CallLog::Call call;
    call.kind = kind;
    call.key = log_.KeyOf(key);
    call.name = name;
    call.number = number;
    log_.Add(std::move(call));
}

long RecordingRegistry::OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    const long rc = inner_.OpenKey(key, subKey, result);
    return Opened(Kind::OpenKey, key, subKey, 0, rc, result);
}

long RecordingRegistry::OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                                  RegHandle* result) {
    const long rc = inner_.OpenKeyEx(key, subKey, access, result);
    return Opened(Kind::OpenKeyEx, key, subKey, access, rc, result);
}

long RecordingRegistry::CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    const long rc = inner_.CreateKey(key, subKey, result);
    return Opened(Kind::CreateKey, key, subKey, 0, rc, result);
}

long RecordingRegistry::QueryValueEx(RegHandle key, const std::string& valueName,
                                     std::uint32_t* type, std::uint8_t* data,
                                     std::uint32_t* dataSize) {
    if (log_.Recording()) {
        CallLog::Call call;
        call.kind = Kind::QueryValue;
        call.key = log_.KeyOf(key);
        call.name = valueName;
        call.number = dataSize ? *dataSize : 0;
        call.withData = data != nullptr;
        log_.Add(std::move(call));
    }
    return inner_.QueryValueEx(key, valueName, type, data, dataSize);
}

long RecordingRegistry::SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t dataSize) {
    if (log_.Recording()) {
        CallLog::Call call;
        call.kind = Kind::SetValue;
        call.key = log_.KeyOf(key);
        call.name = valueName;
        call.number = type;
        // A text without its zero makes the system look at the byte after the count: the
        // program's buffers hold it, so the copy does too.
        call.size = dataSize;
        if (data)
            call.data.assign(data, data + dataSize + (type == kRegSz || type == kRegExpandSz));
        log_.Add(std::move(call));
    }
    return inner_.SetValueEx(key, valueName, type, data, dataSize);
}

long RecordingRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                                std::uint32_t nameSize) {
    Simple(Kind::EnumKey, key, "", index);
    return inner_.EnumKey(key, index, name, nameSize);
}

long RecordingRegistry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                  std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* dataSize) {
    if (log_.Recording()) {
        CallLog::Call call;
        call.kind = Kind::EnumValue;
        call.key = log_.KeyOf(key);
        call.number = index;
        call.withData = data != nullptr;
        log_.Add(std::move(call));
    }
    return inner_.EnumValue(key, index, name, nameSize, type, data, dataSize);
}

long RecordingRegistry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
    Simple(Kind::QueryInfo, key);
    return inner_.QueryInfoKey(key, info);
}

long RecordingRegistry::FlushKey(RegHandle key) {
    Simple(Kind::Flush, key);
    return inner_.FlushKey(key);
}

long RecordingRegistry::CloseKey(RegHandle key) {
    Simple(Kind::Close, key);
    return inner_.CloseKey(key);
}

long RecordingRegistry::DeleteKey(RegHandle key, const std::string& subKey) {
    Simple(Kind::DeleteKey, key, subKey);
    return inner_.DeleteKey(key, subKey);
}

long RecordingRegistry::DeleteValue(RegHandle key, const std::string& valueName) {
    Simple(Kind::DeleteValue, key, valueName);
    return inner_.DeleteValue(key, valueName);
}

}  // namespace velmora::bench
