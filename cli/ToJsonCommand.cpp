// armorwright-cli to-json: a design file in its JSON form.
#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "cli/CliCommand.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesignFile.h"
#include "storage/DesignJson.h"

namespace aw {

namespace {

const CommandDescription kDescription{
    "to-json",
    "a design file as JSON",
    "[--as-opened] FILE.vkd [-o OUT.json]",
    "Writes the whole design in its JSON form (docs/design-json.md): every field, list,\n"
    "weapon, clip, section and link, the picture as base64. By default the design is taken\n"
    "as stored in the file, so from-json gives the same design body back.\n\n"
    "  --as-opened    the design as the editor holds it after opening the file (the editor's\n"
    "                 corrections made and its constraint pass run)\n"
    "  -o, --out OUT  write to OUT instead of printing (\"-\" prints)\n",
    {{{"--as-opened"}, false}, {{"-o", "--out"}, true}}};

int Run(const CliArguments &args)
{
    if (args.Words().size() != 1)
        throw CliUsage("give one design file");
    const std::string &path = args.Words().front();
    std::unique_ptr<Vehicle> vehicle;
    std::string warning;
    if (args.Has("--as-opened")) {
        OpenedDesignFile opened = ReadingFile(path, [&] { return OpenAsEditor(path); });
        vehicle = std::move(opened.Design);
        warning = opened.Warning;
    } else {
        LoadedDesign loaded = ReadingFile(path, [&] { return LoadDesignFile(path); });
        vehicle = std::move(loaded.Design);
        warning = loaded.Warning;
    }
    if (!warning.empty())
        PrintError(kDescription.Name, warning);
    const std::string json = DesignToJson(*vehicle);
    if (args.Has("-o") && !IsStandardOutput(args.Value("-o"))) {
        RefuseOutputOverInput(args.Value("-o"), {path});
        WriteFileAtomically(args.Value("-o"), json);
    } else {
        PrintAsFile(json);
    }
    return 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
