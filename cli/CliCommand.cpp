#include "cli/CliCommand.h"

#include <algorithm>

std::vector<CliCommand> &CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

CliRegistration::CliRegistration(const CommandSpec &spec, std::function<int(const CliArguments &)> body)
{
    CliCommands().push_back(
        {spec.Name, spec.Summary, [&spec, body = std::move(body)](const std::vector<std::string> &args) {
             return RunCommand(spec, args, body);
         }});
}

bool WantsHelp(const std::vector<std::string> &args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string &a) { return a == "-h" || a == "--help"; });
}
