#include "output/ConvertError.h"

#include "base/NumberFormat.h"

namespace aw {

int32_t StrToInt(const std::string &text)
{
    int32_t value = 0;
    if (!number::ParseInteger(text, value))
        throw ConvertError("'" + text + "' is not a valid integer value");
    return value;
}

} // namespace aw
