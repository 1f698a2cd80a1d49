#include "fuzz/entries/DesignChecks.h"

#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"
#include "engine/Vehicle.h"
#include "fuzz/entries/FuzzEntries.h"
#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "output/SheetExport.h"
#include "output/SheetTemplate.h"
#include "output/SheetTooLarge.h"

namespace aw {

namespace fuzzcheck {

namespace {

std::vector<uint8_t> BodyOf(const BaseVehicle &vehicle)
{
    Stream body;
    SaveToStream(vehicle, body);
    return body.TakeBytes();
}

// The built-in templates, read once (a folder that does not exist holds no override file).
const std::string &BuiltInTemplate(SheetKind kind)
{
    static const std::string text = SheetTemplate(SheetKind::Text, "/nonexistent-aw-folder/");
    static const std::string html = SheetTemplate(SheetKind::Html, "/nonexistent-aw-folder/");
    return kind == SheetKind::Html ? html : text;
}

} // namespace

void CheckAcceptedDesign(Vehicle &vehicle, DesignCheck check)
{
    const std::vector<uint8_t> body = BodyOf(vehicle);
    Stream again(body);
    const LoadedDesign reloaded = LoadFromStream(again, "again.vkd");
    if (again.Remaining() != 0 || BodyOf(*reloaded.Design) != body)
        throw FuzzFinding("an accepted design does not load back to the body it saves");
    if (check == DesignCheck::RoundTrip)
        return;

    SettleOpenedDesign(vehicle);
    const PrintJob job = MakePrintJob(vehicle);
    // Values of every kind through the sheet number formats and the template engine. A text of
    // the design that looks like a width token without a width ("|NAME|" is expanded in notes)
    // stops the export with the documented conversion error; texts that name each other's tokens
    // over and over stop it as too large.
    for (SheetKind kind : {SheetKind::Text, SheetKind::Html}) {
        try {
            if (SheetFromTemplate(kind, BuiltInTemplate(kind), job).empty())
                throw FuzzFinding("a sheet came out empty");
        } catch (const ConvertError &) {
        } catch (const SheetTooLarge &) {
        }
    }
}

std::string LoadDesignBody(std::span<const uint8_t> body, DesignCheck check)
{
    Stream stream(std::vector<uint8_t>(body.begin(), body.end()));
    LoadedDesign loaded;
    try {
        loaded = LoadFromStream(stream, "fuzz.vkd");
    } catch (const DesignFileError &e) {
        return e.what();
    }
    CheckAcceptedDesign(*loaded.Design, check);
    return {};
}

std::string OpenDesignBytes(std::span<const uint8_t> file, DesignCheck check)
{
    std::vector<uint8_t> body;
    try {
        body = DecompressWholeBytes(file);
    } catch (const LZHException &e) {
        return e.what();
    }
    return LoadDesignBody(body, check);
}

} // namespace fuzzcheck

} // namespace aw
