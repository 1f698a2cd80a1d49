#include "tools/datagen/DropDownText.h"

#include "tools/datagen/SourceText.h"

namespace aw {

std::string BuildDropDownText(const std::string &source)
{
    std::string text;
    for (const sourcetext::Line &line : sourcetext::SplitLines(source))
        text += line.Text + "\r\n";
    return text;
}

} // namespace aw
