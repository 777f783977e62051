// A pictures port that forwards every load to another and writes it down in a CallLog, each
// picture in a slot that the clip control's puts name.
#pragma once

#include "bench/win32/CallLog.h"
#include "platform/Pictures.h"

namespace velmora::bench {

class RecordingPictures : public Pictures {
public:
    RecordingPictures(Pictures& inner, CallLog& log) : inner_(inner), log_(log) {}

    PicturePtr LoadPicture(const std::string& path) override {
        PicturePtr picture = inner_.LoadPicture(path);
        Record(CallLog::Kind::LoadPicture, picture, path, 0);
        return picture;
    }
    PicturePtr EmptyPicture() override {
        PicturePtr picture = inner_.EmptyPicture();
        Record(CallLog::Kind::EmptyPicture, picture, "", 0);
        return picture;
    }
    PicturePtr BuiltIn(BuiltInStrip strip) override {
        PicturePtr picture = inner_.BuiltIn(strip);
        Record(CallLog::Kind::BuiltInPicture, picture, "", static_cast<std::uint32_t>(strip));
        return picture;
    }

private:
    void Record(CallLog::Kind kind, const PicturePtr& picture, const std::string& path,
                std::uint32_t number) {
        if (!log_.Recording()) return;
        CallLog::Call call;
        call.kind = kind;
        call.name = path;
        call.number = number;
        call.opened = log_.NewPictureSlot(picture.get());
        log_.Add(std::move(call));
    }

    Pictures& inner_;
    CallLog& log_;
};

// A clip control port that forwards every call to another and writes the property puts
// down in a CallLog (its Visible is a ShowWindow of its host, which the control calls catch).
class RecordingClip : public ClipControl {
public:
    RecordingClip(ClipControl& inner, CallLog& log) : inner_(inner), log_(log) {}

    void SetAniPicture(PicturePtr picture) override {
        if (log_.Recording()) {
            CallLog::Call call;
            call.kind = CallLog::Kind::ClipPicture;
            call.key = log_.PictureSlotOf(picture.get());
            log_.Add(std::move(call));
        }
        inner_.SetAniPicture(std::move(picture));
    }
    void Play() override {
        if (log_.Recording()) {
            CallLog::Call call;
            call.kind = CallLog::Kind::ClipPlay;
            log_.Add(std::move(call));
        }
        inner_.Play();
    }
    void SetVisible(bool visible) override { inner_.SetVisible(visible); }

private:
    ClipControl& inner_;
    CallLog& log_;
};

}  // namespace velmora::bench
