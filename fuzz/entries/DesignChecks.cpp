#include "fuzz/entries/DesignChecks.h"

#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"
#include "engine/Vehicle.h"
#include "base/Stream.h"
#include "fuzz/entries/FuzzEntries.h"
#include "output/ConvertError.h"
#include "output/SheetTooLarge.h"
#include "output/PrintJob.h"
#include "output/SheetExport.h"
#include "output/SheetTemplate.h"
#include "codec/LzhCompressor.h"

namespace fuzzcheck {

namespace {

std::vector<uint8_t> bodyOf(const TBaseVehicle &vehicle)
{
    TStream body;
    SaveToStream(vehicle, body);
    return body.TakeBytes();
}

// The built-in templates, read once (a folder that does not exist holds no override file).
const std::string &builtInTemplate(TSheetKind kind)
{
    static const std::string text = SheetTemplate(TSheetKind::Text, "/nonexistent-aw-folder/");
    static const std::string html = SheetTemplate(TSheetKind::Html, "/nonexistent-aw-folder/");
    return kind == TSheetKind::Html ? html : text;
}

} // namespace

void CheckAcceptedDesign(TVehicle &vehicle, TDesignCheck check)
{
    const std::vector<uint8_t> body = bodyOf(vehicle);
    TStream again(body);
    const TLoadedDesign reloaded = LoadFromStream(again, "again.vkd");
    if (again.Remaining() != 0 || bodyOf(*reloaded.Vehicle) != body)
        throw EFuzzFinding("an accepted design does not load back to the body it saves");
    if (check == TDesignCheck::RoundTrip)
        return;

    SettleOpenedDesign(vehicle);
    const TPrintJob job = MakePrintJob(vehicle);
    // Values of every kind through the sheet number formats and the template engine. A text of
    // the design that looks like a width token without a width ("|NAME|" is expanded in notes)
    // stops the export with the documented conversion error; texts that name each other's tokens
    // over and over stop it as too large.
    for (TSheetKind kind : {TSheetKind::Text, TSheetKind::Html}) {
        try {
            if (SheetFromTemplate(kind, builtInTemplate(kind), job).empty())
                throw EFuzzFinding("a sheet came out empty");
        } catch (const EConvertError &) {
        } catch (const ESheetTooLarge &) {
        }
    }
}

std::string LoadDesignBody(std::span<const uint8_t> body, TDesignCheck check)
{
    TStream stream(std::vector<uint8_t>(body.begin(), body.end()));
    TLoadedDesign loaded;
    try {
        loaded = LoadFromStream(stream, "fuzz.vkd");
    } catch (const EDesignFileError &e) {
        return e.what();
    }
    CheckAcceptedDesign(*loaded.Vehicle, check);
    return {};
}

std::string OpenDesignBytes(std::span<const uint8_t> file, TDesignCheck check)
{
    std::vector<uint8_t> body;
    try {
        body = DecompressWholeBytes(file);
    } catch (const ELZHException &e) {
        return e.what();
    }
    return LoadDesignBody(body, check);
}

} // namespace fuzzcheck
