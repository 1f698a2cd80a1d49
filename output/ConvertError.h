#pragma once

#include "base/ArmorwrightError.h"

#include <cstdint>
#include <string>

namespace aw {

// Text that should hold a whole number does not; the message is
// "'<text>' is not a valid integer value", as the platform reports it.
class ConvertError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// Reads text as a 32-bit decimal integer or throws ConvertError.
int32_t StrToInt(const std::string &text);

} // namespace aw
