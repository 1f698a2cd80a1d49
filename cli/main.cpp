#include "base/ArmorwrightError.h"
#include "base/ControlCharacters.h"
#include "base/Files.h"
#include "base/ProgramVersion.h"
#include "cli/CliCommand.h"
#include "cli/CommandRunner.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <exception>
#include <iostream>

namespace aw {

namespace {

void PrintUsage(std::ostream &out)
{
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.Name < b.Name; });
    out << "Usage: armorwright-cli COMMAND [ARGS...]\n\n"
           "Designs, sheets and data files of Armorwright without a window.\n\n"
           "Commands:\n";
    for (const CliCommand &c : commands) {
        out << "  " << c.Name << std::string(c.Name.size() < 12 ? 12 - c.Name.size() : 1, ' ') << c.Summary << "\n";
    }
    out << "\nOptions:\n"
           "  -h, --help  this list\n"
           "  --version   the program's version\n"
           "\nRun 'armorwright-cli COMMAND --help' for a command's options.\n";
}

// Qt's notes about the session (no runtime folder, fonts substituted) are no news to a
// command-line user; only its errors are passed on.
void QtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "armorwright-cli: " << message.toStdString() << "\n";
}

// The exit code once the output is out: output that could not be written (a full disk, a
// closed pipe) is a failure, whatever the run found (designs that differ, a roster over budget).
int OutputWritten(const std::string &who, int code, int failureCode = 1)
{
    if (std::cout << std::flush)
        return code;
    std::cerr << who << ": the output could not be written\n";
    return failureCode;
}

} // namespace

} // namespace aw

int main(int argc, char *argv[])
{
    using namespace aw;
    // Override files beside the program apply here as in the editor.
    SetProgramFolderFromExecutable(argc > 0 ? argv[0] : "");
    qInstallMessageHandler(QtMessages);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (args[0] == "-h" || args[0] == "--help" || args[0] == "--version") {
        if (args[0] == "--version")
            std::cout << "armorwright-cli " << kProgramVersion << "\n";
        else
            PrintUsage(std::cout);
        return OutputWritten("armorwright-cli", 0);
    }
    const std::string name = args[0];
    args.erase(args.begin());
    for (const CliCommand &command : CliCommands()) {
        if (command.Name != name)
            continue;
        try {
            return OutputWritten("armorwright-cli " + name, command.run(args), command.FailureCode);
        } catch (const std::exception &e) {
            PrintError(name.c_str(), ErrorUtf8(e));
            return 1;
        }
    }
    std::cerr << "armorwright-cli: unknown command '" << OneLineText(name) << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
