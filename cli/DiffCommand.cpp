// armorwright-cli diff: every field, result and list entry in which two designs differ.
#include "base/ArmorwrightError.h"
#include "base/Cp1252.h"
#include "cli/CliCommand.h"
#include "engine/DesignDiff.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesignFile.h"

#include <iostream>

namespace aw {

namespace {

const CommandDescription kDescription{
    "diff",
    "the differences between two designs",
    "[--stored] A.vkd B.vkd",
    "Compares two designs as the editor holds them after opening and prints one line per\n"
    "difference: the path of the value (as in the JSON form), its value in A and in B,\n"
    "separated by tabs. Texts are quoted; \"(none)\" stands for a list entry only one design\n"
    "has. The results the editor shows are compared as \"results.<name>\".\n"
    "Exit code 0 when the designs are equal, 1 when they differ, 2 on an error.\n\n"
    "  --stored  compare the fields as stored in the files, before the editor's corrections\n",
    {{{"--stored"}, false}},
    2};

int Run(const CliArguments &args)
{
    if (args.Words().size() != 2)
        throw CliUsage("give two design files");
    try {
        const std::string &pathA = args.Words()[0];
        const std::string &pathB = args.Words()[1];
        OpenedDesignFile a = ReadingFile(pathA, [&] { return OpenAsEditor(pathA); });
        OpenedDesignFile b = ReadingFile(pathB, [&] { return OpenAsEditor(pathB); });
        // What was left out while reading (a picture) is not compared: said, not passed over.
        for (const OpenedDesignFile *opened : {&a, &b})
            if (!opened->Warning.empty())
                PrintError(kDescription.Name, opened->Warning);
        DesignDifferences differences =
            args.Has("--stored") ? DiffDesignFields(*ReadingFile(pathA, [&] { return LoadDesignFile(pathA); }).Design,
                                                    *ReadingFile(pathB, [&] { return LoadDesignFile(pathB); }).Design)
                                 : DiffDesignFields(*a.Design, *b.Design);
        const DesignDifferences results =
            DiffDesignOutcomes(DesignOutcomeOf(*a.Design, a.Results), DesignOutcomeOf(*b.Design, b.Results));
        differences.insert(differences.end(), results.begin(), results.end());
        for (const DesignDifference &d : differences)
            std::cout << cp1252::ToUtf8(d.Path + "\t" + d.A + "\t" + d.B) << "\n";
        return differences.empty() ? 0 : 1;
    } catch (const std::exception &e) {
        PrintError(kDescription.Name, ErrorUtf8(e));
        return 2;
    }
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
