#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Text that should hold a whole number does not; the message is
// "'<text>' is not a valid integer value", as the platform reports it.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads text as a 32-bit decimal integer or throws EConvertError.
int32_t StrToInt(const std::string &text);
