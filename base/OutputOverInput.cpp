#include "base/OutputOverInput.h"

#include "base/ArmorwrightError.h"
#include "base/Utf8Path.h"

#include <filesystem>

namespace aw {

void RefuseOutputOverInput(const std::string &output, const std::vector<std::string> &inputs)
{
    std::error_code error;
    if (!std::filesystem::exists(PathFromUtf8(output), error))
        return; // a new file replaces nothing; this spares a look at every input of a batch
    for (const std::string &input : inputs) {
        if (std::filesystem::equivalent(PathFromUtf8(output), PathFromUtf8(input), error))
            throw ArmorwrightError(
                ErrorText().SystemText(output + ": not written, it would replace the input file " + input));
    }
}

} // namespace aw
