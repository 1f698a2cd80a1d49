// armorwright-cli blocks list / blocks export NAME FILE: shows the built-in data blocks and
// writes one exactly as embedded (a compressed container), so a player can start an
// override file from the built-in data.
#include "base/ControlCharacters.h"
#include "base/Files.h"
#include "base/Stream.h"
#include "cli/CliCommand.h"
#include "cli/CommandRunner.h"
#include "storage/BuiltInBlocks.h"
#include "storage/DataBlock.h"

#include <iomanip>
#include <iostream>

namespace aw {

namespace {

const char *kUsage = "Usage: armorwright-cli blocks list\n"
                     "       armorwright-cli blocks export NAME FILE\n";

int List()
{
    std::cout << std::left << std::setw(10) << "BLOCK" << std::setw(15) << "OVERRIDE FILE" << std::right
              << std::setw(10) << "PACKED" << std::setw(10) << "SIZE"
              << "\n";
    for (const DataBlockName &name : kDataBlocks) {
        const std::span<const uint8_t> block = BuiltInBlock(name.Block);
        const uint32_t size = block.size() >= 8 ? bytes::GetUInt32(block.data() + 4) : 0;
        std::cout << std::left << std::setw(10) << name.Block << std::setw(15) << name.File << std::right
                  << std::setw(10) << block.size() << std::setw(10) << size << "\n";
    }
    return 0;
}

int ExportBlock(const std::string &name, const std::string &path)
{
    for (const DataBlockName &known : kDataBlocks) {
        if (!SameBlockName(known.Block, name))
            continue;
        const std::span<const uint8_t> block = BuiltInBlock(known.Block);
        WriteFileAtomically(path, std::vector<uint8_t>(block.begin(), block.end()));
        return 0;
    }
    std::cerr << "armorwright-cli blocks: unknown block '" << OneLineText(name) << "'; one of:";
    for (const DataBlockName &known : kDataBlocks)
        std::cerr << " " << known.Block;
    std::cerr << "\n";
    return 2;
}

int Run(const std::vector<std::string> &args)
{
    if (WantsHelp(args)) {
        std::cout << kUsage
                  << "\nlist    the built-in data blocks, their override file names, packed and unpacked sizes\n"
                     "export  writes block NAME, still packed, to FILE (a starting point for an override file;\n"
                     "        a file, not \"-\")\n";
        return 0;
    }
    if (args.size() == 1 && args[0] == "list")
        return List();
    if (args.size() == 3 && args[0] == "export" && IsStandardOutput(args[2]))
        return UsageError("blocks", "a block is written packed, not to standard output: give FILE a file name", kUsage);
    if (args.size() == 3 && args[0] == "export")
        return ExportBlock(args[1], args[2]);
    std::cerr << kUsage;
    return 2;
}

const CliRegistration registration{{"blocks", "list or export the built-in data blocks", Run}};

} // namespace

} // namespace aw
