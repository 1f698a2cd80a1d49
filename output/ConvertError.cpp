#include "output/ConvertError.h"

#include "base/NumberFormat.h"

int32_t StrToInt(const std::string &text)
{
    int32_t value = 0;
    if (!fmt::ParseInteger(text, value))
        throw ConvertError("'" + text + "' is not a valid integer value");
    return value;
}
