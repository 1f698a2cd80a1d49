#pragma once

#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace aw {

// What one run of armorwright-cli gave.
struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs the built command-line tool (or another executable) with the arguments, feeding
// `input` to its standard input. Standard output goes to `outputPath` when one is given.
CliRun RunCli(const std::vector<std::string> &args, const std::string &input = "",
              const std::string &executable = AW_CLI_PATH, const std::string &outputPath = "");

// The words of an argument line, split at spaces as a shell would split one without quotes.
std::vector<std::string> SplitArguments(const std::string &line);

// The page sizes of a PDF in whole points, "width height" ("595 842" is A4, "612 792" US Letter).
std::set<std::string> PdfPageSizes(const std::string &pdf);

// The design body inside a design file (the container decompressed).
std::vector<uint8_t> DesignBody(const std::string &path);

} // namespace aw
