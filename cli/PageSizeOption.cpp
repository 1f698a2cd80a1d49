#include "cli/PageSizeOption.h"

#include "cli/CliArguments.h"

namespace aw {

QPageSize PageSizeNamed(const std::string &name)
{
    if (name.empty() || name == "a4")
        return QPageSize(QPageSize::A4);
    if (name == "letter")
        return QPageSize(QPageSize::Letter);
    throw CliUsage("unknown page size '" + name + "' (a4 or letter)");
}

} // namespace aw
