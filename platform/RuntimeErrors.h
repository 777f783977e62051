// The run-time errors the program and the control raise, with their numbers and texts.
#pragma once

#include "platform/RuntimeError.h"

namespace velmora {

inline constexpr long kErrOverflow = 6;
inline constexpr long kErrOutOfMemory = 7;
inline constexpr long kErrTypeMismatch = 13;
inline constexpr long kErrInternal = 51;
inline constexpr long kErrObjectNotSet = 91;
inline constexpr long kErrInvalidFileFormat = 321;
inline constexpr long kErrInvalidPropertyValue = 380;
inline constexpr long kErrSetNotAtRunTime = 382;
inline constexpr long kErrGetNotAtRunTime = 393;
inline constexpr long kErrInvalidPicture = 481;

inline RuntimeError Overflow() {
    return RuntimeError(kErrOverflow, "Overflow");
}
inline RuntimeError OutOfMemory() {
    return RuntimeError(kErrOutOfMemory, "Out of memory");
}
inline RuntimeError TypeMismatch() {
    return RuntimeError(kErrTypeMismatch, "Type mismatch");
}
// Anything thrown that is not a run-time error, described by its own text when it has one.
inline RuntimeError InternalError(const std::string& description = "Internal error") {
    return RuntimeError(kErrInternal, description);
}
inline RuntimeError ObjectNotSet() {
    return RuntimeError(kErrObjectNotSet, "Object variable or With block variable not set");
}
inline RuntimeError InvalidFileFormat() {
    return RuntimeError(kErrInvalidFileFormat, "Invalid file format");
}
inline RuntimeError InvalidPropertyValue() {
    return RuntimeError(kErrInvalidPropertyValue, "Invalid property value");
}
inline RuntimeError SetNotAtRunTime() {
    return RuntimeError(kErrSetNotAtRunTime, "Property cannot be set at run time");
}
inline RuntimeError GetNotAtRunTime() {
    return RuntimeError(kErrGetNotAtRunTime, "Property cannot be read at run time");
}
inline RuntimeError InvalidPicture() {
    return RuntimeError(kErrInvalidPicture, "Invalid picture");
}

}  // namespace velmora
