#pragma once

#include "cli/CommandRunner.h"

#include <functional>
#include <string>
#include <vector>

namespace aw {

// One subcommand of armorwright-cli. Each command lives in its own file and
// registers itself with a static CliRegistration, so main() never changes.
struct CliCommand {
    std::string Name;
    std::string Summary; // one line for the top-level --help
    // Receives the arguments after the command name; returns the process exit code.
    std::function<int(const std::vector<std::string> &args)> run;
    int FailureCode = 1; // the exit code when the output could not be written
};

std::vector<CliCommand> &CliCommands();

struct CliRegistration {
    // A command that reads its arguments itself.
    explicit CliRegistration(CliCommand command) { CliCommands().push_back(std::move(command)); }
    // A command described by `description` (kept for the program's lifetime), run through RunCommand.
    CliRegistration(const CommandDescription &description, std::function<int(const CliArguments &)> body);
};

// True when args hold "-h" or "--help".
bool WantsHelp(const std::vector<std::string> &args);

} // namespace aw
