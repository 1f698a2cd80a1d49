#include "cli/CommandRunner.h"

#include "base/ArmorwrightError.h"
#include "base/Utf8Path.h"
#include "cli/CliCommand.h"

#include <filesystem>
#include <iostream>

namespace aw {

int RunCommand(const CommandDescription &command, const std::vector<std::string> &args,
               const std::function<int(const CliArguments &)> &body)
{
    const std::string usage = std::string("Usage: armorwright-cli ") + command.Name + " " + command.Usage + "\n";
    if (WantsHelp(args)) {
        std::cout << usage << "\n" << command.Help;
        return 0;
    }
    try {
        const CliArguments parsed(args, command.Options);
        return body(parsed);
    } catch (const CliUsage &e) {
        PrintError(command.Name, ErrorUtf8(e));
        std::cerr << usage;
        return 2;
    }
}

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

void PrintError(const char *command, const std::string &message)
{
    std::cerr << "armorwright-cli " << command << ": " << message << "\n";
}

} // namespace aw
