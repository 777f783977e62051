// A container's IPropertyBag as the control's model reads and writes it.
#pragma once

#include <ocidl.h>

#include "flintor/ClipPropertyBag.h"

namespace velmora::flintor::win32 {

class ComPropertyBag : public ClipPropertyBag {
public:
    explicit ComPropertyBag(IPropertyBag* bag) : bag_(bag) {}

    PropertyValue Read(const std::string& name, ValueKind kind) override;
    // Throws RuntimeError when the container refuses the value.
    void Write(const std::string& name, const PropertyValue& value) override;

private:
    IPropertyBag* bag_;
};

}  // namespace velmora::flintor::win32
