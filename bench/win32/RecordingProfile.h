// A profile port that forwards every read to another and writes it down in a CallLog.
#pragma once

#include "bench/win32/CallLog.h"
#include "platform/ProfileReader.h"

namespace velmora::bench {

class RecordingProfile : public ProfileReader {
public:
    RecordingProfile(ProfileReader& inner, CallLog& log) : inner_(inner), log_(log) {}

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        if (log_.Recording()) {
            CallLog::Call call;
            call.kind = CallLog::Kind::Profile;
            call.section = section;
            call.name = key;
            call.path = path;
            call.number = static_cast<std::uint32_t>(bufferSize);
            log_.Add(std::move(call));
        }
        return inner_.ReadString(section, key, defaultValue, bufferSize, path);
    }

private:
    ProfileReader& inner_;
    CallLog& log_;
};

}  // namespace velmora::bench
