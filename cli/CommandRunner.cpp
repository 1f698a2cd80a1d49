#include "cli/CommandRunner.h"

#include "base/ArmorwrightError.h"
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/platform/Platform.h"
#include "cli/CliCommand.h"

#include <cstdio>
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
        return UsageError(command.Name, ErrorUtf8(e), usage);
    }
}

void PrintAsFile(std::string_view bytes)
{
    // A failed write is reported as every other output's: when the command ends.
    if (!(std::cout << std::flush) || !platform::WriteUntranslated(stdout, bytes))
        std::cout.setstate(std::ios::badbit);
}

int UsageError(const char *command, const std::string &message, const std::string &usage)
{
    PrintError(command, message);
    std::cerr << usage;
    return 2;
}

void PrintError(const char *command, const std::string &message)
{
    // Messages carry file names and texts from files: none of them may steer the terminal.
    std::cerr << "armorwright-cli " << command << ": " << OneLineText(message) << "\n";
}

void PrintFileError(const char *command, const std::string &file, const std::string &message)
{
    PrintError(command, cp1252::FileNameToUtf8(file) + ": " + message);
}

} // namespace aw
