// Port: what the control asks of its container: the ambient UserMode, the change
// notification, and the delivery of its events.
#pragma once

#include <string>

namespace velmora::flintor {

class ClipContainer {
public:
    virtual ~ClipContainer() = default;
    // True at run time, false in a designer (and true when the container does not say).
    virtual bool UserMode() const = 0;
    // A property changed: the container learns it must save the control again.
    virtual void PropertyChanged(const std::string& name) = 0;
    virtual void RaiseFrameChange() = 0;
    virtual void RaiseClick() = 0;
};

}  // namespace velmora::flintor
