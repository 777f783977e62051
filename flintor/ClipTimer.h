// Port: the control's frame timer (`Timer1`), ticking on the container's thread.
#pragma once

namespace velmora::flintor {

class ClipTimer {
public:
    virtual ~ClipTimer() = default;
    // Milliseconds between ticks; 0 or less means the timer never ticks, even when enabled.
    virtual void SetInterval(int milliseconds) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace velmora::flintor
