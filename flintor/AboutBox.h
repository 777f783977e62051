// Port: shows the library's About box modally and returns when it has closed.
#pragma once

namespace velmora::flintor {

class AboutBox {
public:
    virtual ~AboutBox() = default;
    virtual void ShowModal() = 0;
};

}  // namespace velmora::flintor
