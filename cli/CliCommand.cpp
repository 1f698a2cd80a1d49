#include "cli/CliCommand.h"

#include <algorithm>

std::vector<CliCommand> &CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

bool WantsHelp(const std::vector<std::string> &args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string &a) { return a == "-h" || a == "--help"; });
}
