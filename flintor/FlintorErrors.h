// The run-time errors the control raises to its caller; their numbers and texts are the
// program's own (platform/RuntimeErrors.h).
#pragma once

#include "platform/RuntimeErrors.h"

namespace velmora::flintor {

using velmora::GetNotAtRunTime;
using velmora::InvalidFileFormat;
using velmora::InvalidPicture;
using velmora::InvalidPropertyValue;
using velmora::OutOfMemory;
using velmora::Overflow;
using velmora::SetNotAtRunTime;
using velmora::TypeMismatch;

}  // namespace velmora::flintor
