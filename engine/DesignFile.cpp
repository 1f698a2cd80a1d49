#include "engine/DesignFile.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "engine/DesignFilePicture.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <array>
#include <filesystem>

namespace aw {

namespace {

constexpr int32_t kOldestReadableVersion = 6;

// The most a design's body may hold: the largest picture (4096 x 4096 at 32 bits) and room for
// far more records and texts than any design has. A file whose header claims more is damaged,
// and decoding it would take that much memory first.
constexpr uint64_t kLargestDesignBody = uint64_t{256} << 20;

// The thirteen texts before Availability, in their stored order.
std::array<std::string BaseVehicle::*, 13> LeadingTexts()
{
    return {&BaseVehicle::Name,          &BaseVehicle::VehicleType,    &BaseVehicle::VehicleUse,
            &BaseVehicle::Height,        &BaseVehicle::Length,         &BaseVehicle::Width,
            &BaseVehicle::CombatMass,    &BaseVehicle::EngineType,     &BaseVehicle::EngineOutput,
            &BaseVehicle::ArmorMaterial, &BaseVehicle::ArmorThickness, &BaseVehicle::Manufacturer,
            &BaseVehicle::Affiliation};
}

// The ten ratings after NumberOnField, in their stored order.
std::array<int32_t BaseVehicle::*, 10> Ratings()
{
    return {&BaseVehicle::Crew,          &BaseVehicle::Armor,       &BaseVehicle::SensorRating,
            &BaseVehicle::CommRating,    &BaseVehicle::FireControl, &BaseVehicle::Deployment,
            &BaseVehicle::FinalSize,     &BaseVehicle::SizeType,    &BaseVehicle::Maneuver,
            &BaseVehicle::ProductionType};
}

void WriteShortText(Stream &stream, const std::string &text, int capacity)
{
    std::vector<uint8_t> field(static_cast<size_t>(capacity) + 1);
    bytes::PutShortString(field.data(), capacity, text);
    stream.WriteBuffer(field.data(), field.size());
}

std::string ReadShortText(Stream &stream, int capacity)
{
    std::vector<uint8_t> field(static_cast<size_t>(capacity) + 1);
    stream.ReadBuffer(field.data(), field.size());
    return bytes::GetShortString(field.data(), capacity);
}

void WriteLongText(Stream &stream, const std::string &text)
{
    stream.WriteInt32(static_cast<int32_t>(text.size()));
    stream.WriteBuffer(text.data(), text.size());
}

std::string ReadLongText(Stream &stream)
{
    const int32_t length = stream.ReadInt32();
    if (length <= 0)
        return {};
    stream.RequireRemaining(length, "text length");
    std::string text(static_cast<size_t>(length), '\0');
    stream.ReadBuffer(text.data(), text.size());
    return text;
}

// The 24-byte custom production block: two slots that carry no text, the dice and the multiplier.
void WriteCustomProduction(Stream &stream, const CustomProductionSettings &production)
{
    stream.WriteInt32(0);
    stream.WriteInt32(0);
    stream.WriteInt32(production.CustomModelDice);
    stream.WriteInt32(production.CustomIndivDice);
    stream.WriteDouble(production.CustomCostMultiplier);
}

CustomProductionSettings ReadCustomProduction(Stream &stream)
{
    CustomProductionSettings production;
    stream.ReadInt32(); // the name slot
    stream.ReadInt32(); // the definition slot
    production.CustomModelDice = stream.ReadInt32();
    production.CustomIndivDice = stream.ReadInt32();
    production.CustomCostMultiplier = stream.ReadDouble();
    return production;
}

std::string ShownName(const std::string &path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

// "Stream read error: the data ends early" reads "the data ends early" after the file name.
std::string DamageDetail(const StreamError &e, const char *section)
{
    std::string detail = e.what();
    const std::string prefix = "Stream read error: ";
    if (detail.compare(0, prefix.size(), prefix) == 0)
        detail.erase(0, prefix.size());
    return detail + " (in the " + section + ")";
}

// Reads everything after the version mark into vehicle; `section` follows the reading so
// a damage report can say where the body broke off.
void ReadBody(BaseVehicle &v, Stream &stream, int32_t version, const char *&section, std::string &pictureProblem)
{
    section = "texts";
    for (std::string BaseVehicle::*field : LeadingTexts())
        v.*field = ReadShortText(stream, BaseVehicle::TextCapacity);
    section = "ratings";
    v.Availability = stream.ReadInt32();
    v.NumberOnField = ReadShortText(stream, BaseVehicle::TextCapacity);
    for (int32_t BaseVehicle::*field : Ratings())
        v.*field = stream.ReadInt32();
    section = "production and currency";
    v.CustomProduction = ReadCustomProduction(stream);
    v.CurrencyName = ReadShortText(stream, BaseVehicle::CurrencyNameCapacity);
    v.SensorRange = stream.ReadDouble();
    v.CommRange = stream.ReadDouble();
    v.CurrencyMultiplier = stream.ReadDouble();

    section = "picture";
    if (stream.ReadUInt8() != 0) {
        const int32_t length = stream.ReadInt32();
        stream.RequireRemaining(length, "picture length");
        std::vector<uint8_t> picture(static_cast<size_t>(length));
        stream.ReadBuffer(picture.data(), picture.size());
        pictureProblem = BitmapProblem(picture);
        if (pictureProblem.empty())
            v.Picture = std::move(picture);
    }

    section = "movement systems";
    v.Movement->LoadFromStream(stream);
    section = "long texts";
    for (std::string BaseVehicle::*text : LongTextFields())
        v.*text = ReadLongText(stream);
    section = "perks";
    v.Perks->LoadFromStream(stream);
    section = "flaws";
    v.Flaws->LoadFromStream(stream);
    section = "defects";
    v.Defects->LoadFromStream(stream);
    section = "weapons";
    v.Weapons->LoadFromStream(stream, version);
    v.FileVersion = version;
}

} // namespace

std::array<std::string BaseVehicle::*, 3> LongTextFields()
{
    return {&BaseVehicle::Description, &BaseVehicle::History, &BaseVehicle::Extra};
}

void SaveToStream(const BaseVehicle &v, Stream &stream, BodyContent content)
{
    const bool whole = content == BodyContent::Whole;
    stream.WriteInt32(kDesignBodyVersion);
    for (std::string BaseVehicle::*field : LeadingTexts())
        WriteShortText(stream, v.*field, BaseVehicle::TextCapacity);
    stream.WriteInt32(v.Availability);
    WriteShortText(stream, v.NumberOnField, BaseVehicle::TextCapacity);
    for (int32_t BaseVehicle::*field : Ratings())
        stream.WriteInt32(v.*field);
    WriteCustomProduction(stream, v.CustomProduction);
    WriteShortText(stream, v.CurrencyName, BaseVehicle::CurrencyNameCapacity);
    stream.WriteDouble(v.SensorRange);
    stream.WriteDouble(v.CommRange);
    stream.WriteDouble(v.CurrencyMultiplier);

    const bool hasPicture = whole && !v.Picture.empty();
    stream.WriteUInt8(hasPicture ? 1 : 0);
    if (hasPicture) {
        stream.WriteInt32(static_cast<int32_t>(v.Picture.size()));
        stream.WriteBuffer(v.Picture.data(), v.Picture.size());
    }

    v.Movement->SaveToStream(stream);
    for (std::string BaseVehicle::*text : LongTextFields())
        WriteLongText(stream, whole ? v.*text : std::string());
    v.Perks->SaveToStream(stream);
    v.Flaws->SaveToStream(stream);
    v.Defects->SaveToStream(stream);
    v.Weapons->SaveToStream(stream);
}

LoadedDesign LoadFromStream(Stream &stream, const std::string &fileName)
{
    using Failure = DesignFileError::Failure;
    auto vehicle = std::make_unique<Vehicle>();
    const char *section = "version mark";
    std::string pictureProblem;
    try {
        const int32_t version = stream.ReadInt32();
        if (version != kDesignBodyVersion && version != kOldestReadableVersion)
            throw DesignFileError(Failure::NotADesign, fileName, "its version mark is " + std::to_string(version));
        ReadBody(*vehicle, stream, version, section, pictureProblem);
    } catch (const StreamError &e) {
        throw DesignFileError(Failure::Damaged, fileName, DamageDetail(e, section));
    }
    LoadedDesign loaded;
    loaded.Design = std::move(vehicle);
    if (!pictureProblem.empty())
        loaded.Warning =
            "The picture in \"" + fileName + "\" cannot be shown and was left out: " + pictureProblem + ".";
    return loaded;
}

void SaveDesignFile(const BaseVehicle &vehicle, const std::string &path)
{
    Stream body;
    SaveToStream(vehicle, body);
    // Never write a design that would not open again.
    if (body.Bytes().size() > kLargestDesignBody)
        throw ArmorwrightError(ErrorText().File(path).Text(" cannot be saved: the design holds " +
                                                           std::to_string(body.Bytes().size()) +
                                                           " bytes, more than a design file may hold"));
    WriteFileAtomically(PathFromUtf8(path), CompressBytes(body.Bytes()));
}

LoadedDesign LoadDesignFile(const std::string &path)
{
    using Failure = DesignFileError::Failure;
    const std::string name = ShownName(path);
    const std::vector<uint8_t> file = ReadWholeFile(PathFromUtf8(path));
    if (file.size() < static_cast<size_t>(lzhformat::kHeaderSize) || bytes::GetUInt32(file.data()) != lzhformat::kMagic)
        throw DesignFileError(Failure::NotADesign, name, "");
    const uint32_t claimed = bytes::GetUInt32(file.data() + 4); // the container's size field
    if (claimed > kLargestDesignBody)
        throw DesignFileError(Failure::Damaged, name,
                              "it claims " + std::to_string(claimed) +
                                  " bytes of design data, more than a design holds");
    std::vector<uint8_t> body;
    try {
        body = DecompressWholeBytes(file);
    } catch (const LZHException &e) {
        throw DesignFileError(Failure::Damaged, name, e.what());
    }
    Stream stream(std::move(body));
    LoadedDesign loaded = LoadFromStream(stream, name);
    loaded.Design->FileName = path;
    loaded.Design->Modified = false;
    return loaded;
}

} // namespace aw
