// Port: a container's property bag, read and written by name.
#pragma once

#include <string>

#include "flintor/PropertyValue.h"

namespace velmora::flintor {

class ClipPropertyBag {
public:
    virtual ~ClipPropertyBag() = default;
    // The value stored under `name` converted to `kind` (a number for Long, a boolean for
    // Bool, a picture or null for Picture); MissingValue when nothing is stored,
    // MismatchedValue when the stored value does not convert.
    virtual PropertyValue Read(const std::string& name, ValueKind kind) = 0;
    virtual void Write(const std::string& name, const PropertyValue& value) = 0;
};

}  // namespace velmora::flintor
