#include "cli/CliCommand.h"

#include <algorithm>
#include <exception>
#include <iostream>

namespace {

void printUsage(std::ostream &out)
{
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    out << "Usage: armorwright-cli COMMAND [ARGS...]\n\n"
           "Designs, sheets and data files of Armorwright without a window.\n\n"
           "Commands:\n";
    for (const CliCommand &c : commands) {
        out << "  " << c.name << std::string(c.name.size() < 12 ? 12 - c.name.size() : 1, ' ') << c.summary << "\n";
    }
    out << "\nRun 'armorwright-cli COMMAND --help' for a command's options.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    const std::string name = args[0];
    args.erase(args.begin());
    for (const CliCommand &command : CliCommands()) {
        if (command.name != name)
            continue;
        try {
            return command.run(args);
        } catch (const std::exception &e) {
            std::cerr << "armorwright-cli " << name << ": " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "armorwright-cli: unknown command '" << name << "'\n";
    printUsage(std::cerr);
    return 2;
}
