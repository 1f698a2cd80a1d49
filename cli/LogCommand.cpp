// armorwright-cli log: the calculation log of a design, as the editor's log viewer shows it.
#include "base/ArmorwrightError.h"
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "cli/CliCommand.h"
#include "engine/CalculationReplay.h"
#include "engine/OpenedDesignFile.h"

#include <iostream>

namespace aw {

namespace {

const CommandDescription kDescription{
    "log",
    "the TV or price calculation log of each design",
    "--tv|--price [-o OUT] FILE...",
    "Opens each design as the editor does and prints the calculation log its \"View TV Log\"\n"
    "(--tv) or \"View Price Log\" (--price) shows: the design's name, an empty line, then\n"
    "every step of one run of the threat value or of the final cost. With several files each\n"
    "log is headed by \"==> FILE <==\"; a file that cannot be read is reported and the others\n"
    "still are (exit code 1).\n\n"
    "  --tv, --price  which log\n"
    "  -o, --out OUT  write the log to OUT as the log viewer saves it (Windows-1252, CR LF\n"
    "                 line ends) instead of printing it; one file only; \"-\" prints it in that form\n",
    {{{"--tv"}, false}, {{"--price"}, false}, {{"-o", "--out"}, true}}};

int Run(const CliArguments &args)
{
    if (args.Has("--tv") == args.Has("--price"))
        throw CliUsage("give exactly one of --tv and --price");
    const auto &files = args.Words();
    if (files.empty())
        throw CliUsage("no design file given");
    if (args.Has("-o") && files.size() != 1)
        throw CliUsage("-o takes the log of one design");
    const LogKind kind = args.Has("--tv") ? LogKind::ThreatValue : LogKind::Price;
    int failed = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        try {
            OpenedDesignFile opened = OpenAsEditor(files[i]);
            const LogLines lines = ReplayCalculationLog(*opened.Design, kind);
            if (args.Has("-o") && IsStandardOutput(args.Value("-o"))) {
                PrintAsFile(JoinLogLines(lines));
                continue;
            }
            if (args.Has("-o")) {
                RefuseOutputOverInput(args.Value("-o"), files);
                WriteFileAtomically(args.Value("-o"), JoinLogLines(lines));
                continue;
            }
            if (files.size() > 1)
                std::cout << (i > 0 ? "\n" : "") << "==> " << OneLineText(files[i]) << " <==\n";
            // Printed for reading, a line shows its control characters as spaces, as the other
            // listings do, so that a design's texts cannot steer the terminal.
            LogLines shown = lines;
            for (std::string &line : shown)
                line = OneLineCp1252Text(std::move(line));
            std::cout << cp1252::ToUtf8(JoinLogLines(shown, "\n"));
        } catch (const std::exception &e) {
            ++failed;
            PrintFileError(kDescription.Name, files[i], ErrorUtf8(e));
        }
    }
    return failed ? 1 : 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
