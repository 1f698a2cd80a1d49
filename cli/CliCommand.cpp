#include "cli/CliCommand.h"

#include <algorithm>

namespace aw {

std::vector<CliCommand> &CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

CliRegistration::CliRegistration(const CommandDescription &description, std::function<int(const CliArguments &)> body)
{
    CliCommands().push_back({description.Name, description.Summary,
                             [&description, body = std::move(body)](const std::vector<std::string> &args) {
                                 return RunCommand(description, args, body);
                             },
                             description.FailureCode});
}

bool WantsHelp(const std::vector<std::string> &args)
{
    // After "--" every argument is a file, even one named "-h".
    const auto options = std::find(args.begin(), args.end(), "--");
    return std::any_of(args.begin(), options, [](const std::string &a) { return a == "-h" || a == "--help"; });
}

} // namespace aw
