#include "cli/PageSizeOption.h"

#include "base/AsciiCase.h"
#include "cli/CliArguments.h"

namespace aw {

QPageSize PageSizeNamed(const std::string &name)
{
    if (name.empty() || ascii::SameIgnoringCase(name, "a4"))
        return QPageSize(QPageSize::A4);
    if (ascii::SameIgnoringCase(name, "letter"))
        return QPageSize(QPageSize::Letter);
    throw CliUsage("unknown page size '" + name + "' (a4 or letter)");
}

} // namespace aw
