// armorwright-cli pack / unpack: wraps any file in the compressed container and back, so
// a player can make or read override files and designs by hand.
#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "cli/CliCommand.h"
#include "cli/CommandRunner.h"
#include "codec/LzhCompressor.h"

#include <iostream>

namespace aw {

namespace {

// Packs or unpacks IN into OUT; "-" as OUT prints the result when `printable`, else is wrong use.
int Convert(const std::vector<std::string> &args, const char *name, const char *what,
            std::vector<uint8_t> (*transform)(std::span<const uint8_t>), bool printable)
{
    const std::string usage = std::string("Usage: armorwright-cli ") + name + " IN OUT\n";
    if (WantsHelp(args)) {
        std::cout << usage << "\n" << what << "\n";
        return 0;
    }
    if (args.size() != 2) {
        std::cerr << usage;
        return 2;
    }
    const bool printed = IsStandardOutput(args[1]);
    if (printed && !printable)
        return UsageError(name, "a container is not written to standard output: give OUT a file name", usage);
    // The whole result is made before the output file is touched, so a failure leaves
    // no file (or the previous one) behind.
    const std::vector<uint8_t> input = ReadWholeFile(args[0]);
    if (!printed)
        RefuseOutputOverInput(args[1], {args[0]});
    const std::vector<uint8_t> output = ReadingFile(args[0], [&] { return transform(input); });
    if (printed)
        PrintAsFile(std::string_view(reinterpret_cast<const char *>(output.data()), output.size()));
    else
        WriteFileAtomically(args[1], output);
    return 0;
}

const CliRegistration pack{
    {"pack", "wrap a file in the compressed container", [](const std::vector<std::string> &args) {
         return Convert(args, "pack",
                        "Compresses IN into the \"!HZL\" container and writes it to OUT (a file, not \"-\").",
                        CompressBytes, false);
     }}};

// What a container holds is the file a player reads by hand (a sheet template of "Text.zel"
// or "html.zel"), so it may be printed.
const CliRegistration unpack{
    {"unpack", "unwrap a compressed container", [](const std::vector<std::string> &args) {
         return Convert(args, "unpack", "Decompresses the container IN and writes its bytes to OUT; \"-\" prints them.",
                        DecompressBytes, true);
     }}};

} // namespace

} // namespace aw
