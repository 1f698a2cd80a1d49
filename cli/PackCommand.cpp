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

int Convert(const std::vector<std::string> &args, const char *name, const char *what,
            std::vector<uint8_t> (*transform)(std::span<const uint8_t>))
{
    if (WantsHelp(args)) {
        std::cout << "Usage: armorwright-cli " << name << " IN OUT\n\n" << what << "\n";
        return 0;
    }
    if (args.size() != 2) {
        std::cerr << "Usage: armorwright-cli " << name << " IN OUT\n";
        return 2;
    }
    // The whole result is made before the output file is touched, so a failure leaves
    // no file (or the previous one) behind.
    const std::vector<uint8_t> input = ReadWholeFile(args[0]);
    RefuseOutputOverInput(args[1], {args[0]});
    WriteFileAtomically(args[1], ReadingFile(args[0], [&] { return transform(input); }));
    return 0;
}

const CliRegistration pack{
    {"pack", "wrap a file in the compressed container", [](const std::vector<std::string> &args) {
         return Convert(args, "pack", "Compresses IN into the \"!HZL\" container and writes it to OUT.", CompressBytes);
     }}};

const CliRegistration unpack{
    {"unpack", "unwrap a compressed container", [](const std::vector<std::string> &args) {
         return Convert(args, "unpack", "Decompresses the container IN and writes its bytes to OUT.", DecompressBytes);
     }}};

} // namespace

} // namespace aw
