// Pictures double: picture files by path with their sizes and the two built-in strips, each
// picture named so that tests can see which one went where.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/Pictures.h"

namespace velmora::test {

struct NamedPicture : Picture {
    NamedPicture(std::string name, int width, int height)
        : name(std::move(name)), w(width), h(height) {}
    int Width() const override { return w; }
    int Height() const override { return h; }
    std::string name;
    int w, h;
};

class RecordingPictures : public Pictures {
public:
    // A file that loads as a picture of that size; any other path fails to load.
    void AddPicture(const std::string& path, int width, int height) {
        files_[path] = {width, height};
    }
    PicturePtr LoadPicture(const std::string& path) override {
        auto it = files_.find(path);
        if (it == files_.end()) return nullptr;
        return std::make_shared<NamedPicture>(path, it->second.first, it->second.second);
    }
    PicturePtr EmptyPicture() override { return std::make_shared<NamedPicture>("(empty)", 0, 0); }
    PicturePtr BuiltIn(BuiltInStrip strip) override {
        return std::make_shared<NamedPicture>(strip == BuiltInStrip::XP ? "picXP" : "picAni", 22,
                                              880);
    }
    static std::string Name(const PicturePtr& picture) {
        return picture ? static_cast<const NamedPicture&>(*picture).name : "(none)";
    }

private:
    std::map<std::string, std::pair<int, int>> files_;
};

}  // namespace velmora::test
