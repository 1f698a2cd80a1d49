// armorwright-cli from-json: a design file made from its JSON form.
#include "base/ArmorwrightError.h"
#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "cli/CliCommand.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "storage/DesignJson.h"

namespace aw {

namespace {

const CommandDescription kDescription{
    "from-json",
    "a design file from JSON",
    "FILE.json -o OUT.vkd",
    "Reads a design in its JSON form (docs/design-json.md; \"-\" reads standard input),\n"
    "checks every value and writes it as a design file. The first bad value is reported by\n"
    "its JSON path, e.g. \"$.weapons[2].clips[0].sections[1].Amount: expected an integer\",\n"
    "and nothing is written.\n\n"
    "  -o, --out OUT  the design file to write (required; a file, not \"-\")\n",
    {{{"-o", "--out"}, true}}};

int Run(const CliArguments &args)
{
    if (args.Words().size() != 1)
        throw CliUsage("give one JSON file");
    if (!args.Has("-o"))
        throw CliUsage("-o OUT.vkd is required");
    if (IsStandardOutput(args.Value("-o")))
        throw CliUsage("a design file is not written to standard output: give -o a file name");
    const std::string &path = args.Words().front();
    const std::vector<uint8_t> bytes = path == "-" ? ReadStandardInput() : ReadWholeFile(path);
    const std::string json(bytes.begin(), bytes.end());
    std::unique_ptr<Vehicle> vehicle;
    try {
        vehicle = DesignFromJson(json);
    } catch (const DesignJsonError &e) {
        PrintFileError(kDescription.Name, path == "-" ? std::string("standard input") : path, ErrorUtf8(e));
        return 1;
    }
    RefuseOutputOverInput(args.Value("-o"), {path});
    SaveDesignFile(*vehicle, args.Value("-o"));
    return 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
