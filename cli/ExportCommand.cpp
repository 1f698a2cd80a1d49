// armorwright-cli export: the text, HTML or record sheets of designs, one file each.
#include "base/ArmorwrightError.h"
#include "base/AsciiCase.h"
#include "base/ControlCharacters.h"
#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "base/Utf8Path.h"
#include "cli/CliCommand.h"
#include "cli/ExportTarget.h"
#include "cli/LocaleSeparators.h"
#include "cli/PageSizeOption.h"
#include "engine/OpenedDesignFile.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetFiles.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetExport.h"
#include "storage/DataBlock.h"

#include <QPageSize>

#include <iostream>

namespace aw {

namespace {

const CommandDescription kDescription{
    "export",
    "text, HTML, JPEG, PNG or PDF sheets of designs",
    "--format text|html|jpeg|png|pdf [--page a4|letter] [--locale NAME] FILE... [-o OUT | --out-dir DIR]",
    "Opens each design as the editor does and writes its sheet: the text or HTML sheet from\n"
    "the sheet templates, or the record sheet as a JPEG (as the editor saves it), a PNG, or\n"
    "a PDF page placed as the editor prints it. Override files beside the program (\"Text.zel\",\n"
    "\"html.zel\", \"Jpeg.zel\") are used as the editor uses them.\n"
    "Output files are named after the designs (characters a file name cannot hold removed)\n"
    "unless -o names the one output. With several designs each gets a progress line and a\n"
    "summary follows; a design that fails is reported and the others are still exported\n"
    "(exit code 1). Files are only ever written whole.\n\n"
    "  --format F        text, html, jpeg, png or pdf\n"
    "  -o, --out OUT     the output file (one design only); \"-\" prints a text or HTML sheet\n"
    "  --out-dir DIR     the folder for the outputs (made when missing, not \"-\"; default: the current folder)\n"
    "  --page P          page size of the PDF: a4 (default) or letter\n"
    "  --locale NAME     thousands and decimal separators of that locale (default \",\" \".\")\n",
    {{{"--format"}, true}, {{"-o", "--out"}, true}, {{"--out-dir"}, true}, {{"--page"}, true}, {{"--locale"}, true}}};

enum class Format { Text, Html, Jpeg, Png, Pdf };

struct FormatName {
    const char *Name;
    Format Kind;
    const char *Extension;
};
constexpr FormatName kFormats[] = {{"text", Format::Text, ".txt"},
                                   {"html", Format::Html, ".html"},
                                   {"jpeg", Format::Jpeg, ".jpg"},
                                   {"png", Format::Png, ".png"},
                                   {"pdf", Format::Pdf, ".pdf"}};

const FormatName &FormatNamed(const std::string &name)
{
    for (const FormatName &format : kFormats)
        if (ascii::SameIgnoringCase(name, format.Name))
            return format;
    throw CliUsage(name.empty() ? "--format is required" : "unknown format '" + name + "'");
}

std::string TemplateText(SheetKind kind)
{
    const std::vector<uint8_t> bytes = DataBlockBytes(kind == SheetKind::Text ? "TEXT" : "HTML");
    return std::string(bytes.begin(), bytes.end());
}

struct ExportSettings {
    Format Kind;
    NumberSeparators Separators;
    QPageSize Page;
};

// Writes the sheet of one opened design; the editor's export of the same design gives the same bytes.
void ExportDesign(Vehicle &vehicle, const ExportSettings &settings, const std::string &path)
{
    const SheetFormats formats(settings.Separators);
    const PrintJob job = MakePrintJob(vehicle, settings.Separators);
    if (settings.Kind == Format::Text || settings.Kind == Format::Html) {
        const SheetKind kind = settings.Kind == Format::Text ? SheetKind::Text : SheetKind::Html;
        if (IsStandardOutput(path))
            PrintAsFile(SheetFromTemplate(kind, TemplateText(kind), job, formats));
        else
            SaveSheet(kind, path, TemplateText(kind), job, formats);
        return;
    }
    // Fonts need a GUI application (offscreen when no platform is chosen); made once and
    // kept to the end of the process, past the static objects Qt's teardown may still use.
    KeepSheetRenderContext();
    const SheetLayoutSource layout = CurrentSheetLayout(static_cast<int>(SheetLayoutChoice::Image));
    const QImage sheet = BuildSheetImageFromLayout(job, layout, formats);
    if (settings.Kind == Format::Jpeg)
        SaveJpeg(sheet, path);
    else if (settings.Kind == Format::Png)
        SavePng(sheet, path);
    else
        RenderSheetToPdf(sheet, path, settings.Page, vehicle.Name);
}

int Run(const CliArguments &args)
{
    const FormatName &format = FormatNamed(args.Value("--format"));
    const auto &files = args.Words();
    if (files.empty())
        throw CliUsage("no design file given");
    if (args.Has("-o") && args.Has("--out-dir"))
        throw CliUsage("give either -o or --out-dir");
    if (args.Has("-o") && files.size() != 1)
        throw CliUsage("-o names the output of one design; use --out-dir for several");
    if (args.Has("--page") && format.Kind != Format::Pdf)
        throw CliUsage("--page is for the pdf format");
    if (IsStandardOutput(args.Value("--out-dir")))
        throw CliUsage("--out-dir names a folder, not standard output: give it a folder name");
    const bool printed = IsStandardOutput(args.Value("-o"));
    if (printed && format.Kind != Format::Text && format.Kind != Format::Html)
        throw CliUsage("-o - (standard output) is for the text and html formats");
    const ExportSettings settings{format.Kind, LocaleSeparators(args.Value("--locale")),
                                  PageSizeNamed(args.Value("--page"))};

    const std::string folder = args.Value("--out-dir", ".");
    if (!args.Has("-o"))
        CreateFolders(PathFromUtf8(folder));
    ExportTarget targets(folder, format.Extension);
    const bool roster = files.size() > 1;
    int failed = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string progress = "[" + std::to_string(i + 1) + "/" + std::to_string(files.size()) + "] ";
        try {
            OpenedDesignFile opened = OpenAsEditor(files[i]);
            if (!opened.Warning.empty())
                PrintError(kDescription.Name, opened.Warning);
            const std::string path = args.Has("-o") ? args.Value("-o") : targets.PathFor(opened.Design->Name, files[i]);
            if (!printed)
                RefuseOutputOverInput(path, files);
            ExportDesign(*opened.Design, settings, path);
            if (roster)
                std::cout << progress << OneLineText(files[i]) << " -> " << OneLineText(path) << std::endl;
        } catch (const std::exception &e) {
            ++failed;
            PrintFileError(kDescription.Name, files[i], ErrorUtf8(e));
            if (roster)
                std::cout << progress << OneLineText(files[i]) << " failed" << std::endl;
        }
    }
    if (roster)
        std::cout << "Exported " << files.size() - static_cast<size_t>(failed) << " of " << files.size() << " designs"
                  << (failed ? ", " + std::to_string(failed) + " failed" : std::string()) << "." << std::endl;
    return failed ? 1 : 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
