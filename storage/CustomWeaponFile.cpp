#include "storage/CustomWeaponFile.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "storage/RecordStream.h"

namespace aw {

std::vector<WeaponRecord> ReadCustomWeaponFile(const std::string &folder)
{
    std::vector<WeaponRecord> records;
    const std::filesystem::path path = PathFromUtf8(folder + kCustomWeaponFile);
    if (!FileExists(path))
        return records;
    Stream content(DecompressWholeBytes(ReadWholeFile(path)));
    ForEachRecord(content, kWeaponRecordSize, [&](const uint8_t *p, int) { records.push_back(ReadWeaponRecord(p)); });
    return records;
}

void SaveCustomWeaponFile(const BaseWeaponList &custom, const std::string &folder)
{
    const std::filesystem::path path = PathFromUtf8(folder + kCustomWeaponFile);
    if (custom.Count() == 0) {
        RemoveFileIfExists(path);
        return;
    }
    std::vector<uint8_t> records(static_cast<size_t>(custom.Count()) * kWeaponRecordSize);
    for (int i = 0; i < custom.Count(); ++i)
        WriteWeaponRecord(custom.Get(i), records.data() + static_cast<size_t>(i) * kWeaponRecordSize);
    WriteFileAtomically(path, CompressBytes(records));
}

std::string SetAsideCustomWeaponFile(const std::string &folder)
{
    const std::string file = folder + kCustomWeaponFile;
    std::error_code ec;
    if (!std::filesystem::exists(PathFromUtf8(file), ec))
        return {};
    std::string aside = file + ".damaged";
    for (int n = 2; std::filesystem::exists(PathFromUtf8(aside), ec); ++n)
        aside = file + ".damaged-" + std::to_string(n);
    RenameFile(PathFromUtf8(file), PathFromUtf8(aside));
    return aside;
}

} // namespace aw
