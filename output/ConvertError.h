#pragma once

#include "base/ArmorwrightError.h"

#include <cstdint>
#include <string>

// Text that should hold a whole number does not; the message is
// "'<text>' is not a valid integer value", as the platform reports it.
class EConvertError : public EArmorwrightError {
public:
    using EArmorwrightError::EArmorwrightError;
};

// Reads text as a 32-bit decimal integer or throws EConvertError.
int32_t StrToInt(const std::string &text);
