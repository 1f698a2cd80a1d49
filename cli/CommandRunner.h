#pragma once

#include "base/ArmorwrightError.h"
#include "cli/CliArguments.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// What a command tells the command list, its --help and its usage errors.
struct CommandDescription {
    const char *Name;
    const char *Summary; // one line for the top-level --help
    const char *Usage;   // the arguments after the command name
    const char *Help;    // what it does and its options, one paragraph or more
    std::vector<CliOption> Options;
    int FailureCode = 1; // the exit code when the output could not be written, as for the command's own failures
};

// Answers --help (exit 0), parses the arguments and runs body. A usage error prints the
// message and the usage line to stderr and gives exit code 2; other errors reach main().
int RunCommand(const CommandDescription &command, const std::vector<std::string> &args,
               const std::function<int(const CliArguments &)> &body);

// Returns work(); an error it raises comes out as "FILE: message", the form every command
// reports a file's errors in (a design file's own messages name only the file's name).
template <class Work> auto ReadingFile(const std::string &file, Work &&work) -> decltype(work())
{
    try {
        return work();
    } catch (const std::exception &e) {
        // Apart: the message names the file in UTF-8, which must not change how the name reads.
        throw ArmorwrightError(ErrorText().SystemText(file).SystemText(": " + ErrorUtf8(e)));
    }
}

// Whether an output path ("-o -") means standard output.
inline bool IsStandardOutput(const std::string &path) { return path == "-"; }

// Prints what the output file would hold, byte for byte (on Windows no CR is put before LF).
void PrintAsFile(std::string_view bytes);

// Prints the usage error "armorwright-cli NAME: message" and the usage lines to stderr;
// returns the exit code of wrong use, 2.
int UsageError(const char *command, const std::string &message, const std::string &usage);

// Prints "armorwright-cli NAME: message" to stderr; the message is UTF-8 (ErrorUtf8 for an error).
void PrintError(const char *command, const std::string &message);
// The same as "FILE: message", the file named as the message names it: a part of its path
// that is not UTF-8 is read as Windows-1252.
void PrintFileError(const char *command, const std::string &file, const std::string &message);

} // namespace aw
