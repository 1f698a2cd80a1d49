// armorwright-cli export: the sheets are those the editor writes for the same design.
#include "CliTestSupport.h"

#include "base/Cp1252.h"
#include "base/Files.h"
#include "codec/LzhCompressor.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetExport.h"
#include "storage/DataBlock.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace aw {

namespace {

// The tool is copied into a folder of its own, so the override files of each test (and
// none of anybody else's) lie beside it.
class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(m_program.Path());
        std::filesystem::copy_file(AW_CLI_PATH, m_cli);
    }

    CliRun Cli(const std::vector<std::string> &args) { return RunCli(args, "", m_cli); }

    // One run with a variable of the environment set; the variable as it was afterwards.
    CliRun CliWith(const char *variable, const QByteArray &value, const std::vector<std::string> &args)
    {
        const bool wasSet = qEnvironmentVariableIsSet(variable);
        const QByteArray before = qgetenv(variable);
        qputenv(variable, value);
        const CliRun run = Cli(args);
        if (wasSet)
            qputenv(variable, before);
        else
            qunsetenv(variable);
        return run;
    }

    std::string Save(const BaseVehicle &vehicle, const std::string &fileName)
    {
        const std::string path = m_designs / fileName;
        SaveDesignFile(vehicle, path);
        return path;
    }

    // The sheet the editor exports for the design in the file, with no override files.
    std::string EditorSheet(SheetKind kind, const std::string &file, NumberSeparators separators = {})
    {
        std::unique_ptr<Vehicle> vehicle = LoadDesignFile(file).Design;
        SettleOpenedDesign(*vehicle);
        const Stream block = OpenDataBlock(kind == SheetKind::Text ? "Text.zel" : "html.zel",
                                           kind == SheetKind::Text ? "TEXT" : "HTML", m_designs.Path().string() + "/");
        const std::string templateText(block.Bytes().begin(), block.Bytes().end());
        return SheetFromTemplate(kind, templateText, MakePrintJob(*vehicle, separators), SheetFormats(separators));
    }

    TempFolder m_program;
    TempFolder m_designs;
    TempFolder m_out;
    std::string m_cli = m_program / "armorwright-cli";
};

std::vector<std::string> FilesIn(const TempFolder &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_F(ExportCommand, TextAndHtmlSheetsAreTheEditorsSheets)
{
    const std::string file = Save(*FullDesign(), "full.vkd");
    const std::string text = m_out / "sheet.txt";
    const std::string html = m_out / "sheet.html";
    ASSERT_EQ(Cli({"export", "--format", "text", file, "-o", text}).ExitCode, 0);
    ASSERT_EQ(Cli({"export", "--format", "html", file, "-o", html}).ExitCode, 0);
    EXPECT_EQ(ReadText(text), EditorSheet(SheetKind::Text, file));
    EXPECT_EQ(ReadText(html), EditorSheet(SheetKind::Html, file));

    // Another locale's separators, asked for by name.
    const std::string german = m_out / "de.txt";
    ASSERT_EQ(Cli({"export", "--format", "text", "--locale", "de_DE", file, "-o", german}).ExitCode, 0);
    EXPECT_EQ(ReadText(german), EditorSheet(SheetKind::Text, file, NumberSeparators{'.', ','}));
    EXPECT_NE(ReadText(german), ReadText(text));
}

TEST_F(ExportCommand, AnOverrideTemplateBesideTheToolIsUsed)
{
    const std::string file = Save(*SmallDesign("Hunter"), "hunter.vkd");
    const std::string templateText = "Custom sheet of |NAME|\r\n";
    WriteFileAtomically(m_program / "Text.zel",
                        CompressBytes(std::vector<uint8_t>(templateText.begin(), templateText.end())));
    const std::string out = m_out / "custom.txt";
    ASSERT_EQ(Cli({"export", "--format", "text", file, "-o", out}).ExitCode, 0);
    EXPECT_EQ(ReadText(out), "Custom sheet of Hunter\r\n");

    // A damaged override ends the export with the codec's message, naming the override
    // rather than leaving it to look like a fault of the design, and writes nothing.
    WriteFileAtomically(m_program / "Text.zel", std::string("not a container"));
    const std::string none = m_out / "none.txt";
    const CliRun run = Cli({"export", "--format", "text", file, "-o", none});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "armorwright-cli export: " + file + ": The override file \"" + m_program.Path().string() +
                           "/Text.zel\" is damaged: " + lzhmsg::kNoHeader + "\n");
    EXPECT_FALSE(std::filesystem::exists(none));
}

TEST_F(ExportCommand, ARosterIsExportedPastADamagedFile)
{
    const std::string a = Save(*SmallDesign("Alpha"), "a.vkd");
    const std::string c = Save(*SmallDesign("Charlie"), "c.vkd");
    const std::vector<uint8_t> whole = ReadWholeFile(a);
    const std::string bad = m_designs / "b.vkd";
    WriteFileAtomically(bad, std::vector<uint8_t>(whole.begin(), whole.begin() + 20));

    const std::string folder = (m_out.Path() / "roster").string(); // made by the export
    const CliRun run = Cli({"export", "--format", "text", a, bad, c, "--out-dir", folder});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "[1/3] " + a + " -> " + folder +
                           "/Alpha.txt\n"
                           "[2/3] " +
                           bad +
                           " failed\n"
                           "[3/3] " +
                           c + " -> " + folder +
                           "/Charlie.txt\n"
                           "Exported 2 of 3 designs, 1 failed.\n");
    EXPECT_EQ(run.Err.rfind("armorwright-cli export: " + bad + ": ", 0), 0u) << run.Err;
    EXPECT_EQ(ReadText(folder + "/Alpha.txt"), EditorSheet(SheetKind::Text, a));
    EXPECT_EQ(ReadText(folder + "/Charlie.txt"), EditorSheet(SheetKind::Text, c));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2);
}

TEST_F(ExportCommand, OutputNamesComeFromTheDesignNames)
{
    const std::string twin1 = Save(*SmallDesign("Twin"), "t1.vkd");
    const std::string twin2 = Save(*SmallDesign("Twin"), "t2.vkd");
    const std::string slashes = Save(*SmallDesign("A/B: \"C\"?"), "slashes.vkd");
    const std::string nothing = Save(*SmallDesign("<*>|"), "only-forbidden.vkd");
    const std::string dots = Save(*SmallDesign(".."), "dots.vkd");
    const std::string latin = Save(*SmallDesign("Sch\xFCtze"), "latin.vkd");
    const std::string longName = Save(*SmallDesign(std::string(250, '\xE9')), "long.vkd");
    const CliRun run = Cli({"export", "--format", "html", "--out-dir", m_out.Path().string(), twin1, twin2, slashes,
                            nothing, dots, latin, longName});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // 250 "é" are 500 bytes in UTF-8: cut to the 255 bytes a file name may have, never
    // inside a character.
    std::vector<std::string> expected = {"AB C.html", "Sch\u00FCtze.html", "Twin (2).html",
                                         "Twin.html", "dots.html",         "only-forbidden.html"};
    std::string accents;
    for (int i = 0; i < 125; ++i)
        accents += "\u00E9";
    expected.push_back(accents + ".html"); // 250 + 5 bytes
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(m_out), expected);
}

TEST_F(ExportCommand, FoldersAndFilesNamedOutsideAsciiAreReadAndWritten)
{
    const std::filesystem::path folder = m_designs.Path() / "Ünïcødé";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "Pänzer ß.vkd").string();
    SaveDesignFile(*SmallDesign("Hunter"), file);
    const std::string unnamed = (folder / "Zweite ä.vkd").string(); // named after its file
    SaveDesignFile(*SmallDesign(""), unnamed);
    const std::string out = (m_out.Path() / "Blätter").string();
    const CliRun roster = Cli({"export", "--format", "text", file, unnamed, "--out-dir", out});
    ASSERT_EQ(roster.ExitCode, 0) << roster.Err;
    EXPECT_EQ(roster.Out, "[1/2] " + file + " -> " + out + "/Hunter.txt\n[2/2] " + unnamed + " -> " + out +
                              "/Zweite ä.txt\nExported 2 of 2 designs.\n");
    EXPECT_EQ(ReadText(out + "/Hunter.txt"), EditorSheet(SheetKind::Text, file));
    EXPECT_EQ(ReadText(out + "/Zweite ä.txt"), EditorSheet(SheetKind::Text, unnamed));

    // A file where the output folder should be: the folder is named, nothing is written.
    const CliRun blocked = Cli({"export", "--format", "text", file, "--out-dir", file + "/Blätter"});
    EXPECT_EQ(blocked.ExitCode, 1);
    EXPECT_EQ(blocked.Err, "armorwright-cli export: Cannot create folder \"" + file + "/Blätter\": Not a directory\n");
    EXPECT_EQ(blocked.Out, "");

    const std::string jpeg = out + "/Blatt ö.jpg";
    ASSERT_EQ(Cli({"export", "--format", "jpeg", file, "-o", jpeg}).ExitCode, 0);
    const std::vector<uint8_t> image = ReadWholeFile(jpeg);
    ASSERT_GE(image.size(), 2u);
    EXPECT_EQ(image[0], 0xFF);
    EXPECT_EQ(image[1], 0xD8);
}

TEST_F(ExportCommand, RecordSheetImagesAndPdf)
{
    const std::string file = Save(*FullDesign(), "full.vkd");
    const std::string jpeg = m_out / "sheet.jpg";
    const std::string scaledJpeg = m_out / "scaled.jpg";
    const std::string png = m_out / "sheet.png";
    const std::string pdf = m_out / "sheet.pdf";
    const std::string letter = m_out / "letter.pdf";
    // The tool draws without a window, whatever window system the session names.
    const CliRun run = CliWith("QT_QPA_PLATFORM", "no-such-platform", {"export", "--format", "jpeg", file, "-o", jpeg});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // As the editor on a display scaled to 150 % (high DPI) draws it.
    const CliRun scaled = CliWith("QT_SCALE_FACTOR", "1.5", {"export", "--format", "jpeg", file, "-o", scaledJpeg});
    ASSERT_EQ(scaled.ExitCode, 0) << scaled.Err;
    ASSERT_EQ(Cli({"export", "--format", "PNG", file, "-o", png}).ExitCode, 0);
    ASSERT_EQ(Cli({"export", "--format", "pdf", file, "-o", pdf}).ExitCode, 0);
    ASSERT_EQ(Cli({"export", "--format", "pdf", "--page", "Letter", file, "-o", letter}).ExitCode, 0);

    // The JPEG is byte for byte what the editor saves.
    const SheetRenderContext rendering;
    std::unique_ptr<Vehicle> vehicle = LoadDesignFile(file).Design;
    SettleOpenedDesign(*vehicle);
    const Stream layout = OpenDataBlock("Jpeg.zel", "JPEG", m_designs.Path().string() + "/");
    const QImage sheet = BuildSheetImageFromLayout(MakePrintJob(*vehicle), layout.Bytes());
    EXPECT_EQ(ReadWholeFile(jpeg), EncodeJpeg(sheet));
    // A sheet is a document: the display's scale leaves its text's hinting, and so its bytes, alone.
    EXPECT_EQ(ReadWholeFile(scaledJpeg), ReadWholeFile(jpeg));

    // The PNG holds the sheet without loss.
    QImage fromPng(QString::fromStdString(png));
    ASSERT_FALSE(fromPng.isNull());
    EXPECT_EQ(fromPng.convertToFormat(QImage::Format_RGB32), sheet.convertToFormat(QImage::Format_RGB32));

    const std::string a4 = ReadText(pdf);
    EXPECT_EQ(a4.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(PdfPageSizes(a4), std::set<std::string>{"595 842"});
    EXPECT_EQ(PdfPageSizes(ReadText(letter)), std::set<std::string>{"612 792"});
    // Titled with the design's name: a PDF text string, UTF-16 big-endian after a byte order mark.
    std::string title = "/Title (\xfe\xff";
    for (const char16_t c : cp1252::ToUtf16(vehicle->Name))
        title += {static_cast<char>(c >> 8), static_cast<char>(c & 0xff)};
    EXPECT_NE(a4.find(title + ")"), std::string::npos);
}

} // namespace aw
