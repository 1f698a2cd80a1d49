#include "storage/CustomWeaponFile.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "storage/RecordStream.h"
#include "weapons/WeaponTexts.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace aw {

std::vector<WeaponRecord> ReadCustomWeaponFile(const std::string &folder)
{
    std::vector<WeaponRecord> records;
    const std::filesystem::path path = PathFromUtf8(folder + kCustomWeaponFile);
    // Only a file that is not there is an empty list: a folder of that name is unreadable.
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return records;
    // Reading a pipe or a device could wait for ever: it is refused like a damaged file.
    if (!FileExists(path) && !std::filesystem::is_directory(path, error))
        throw FileError(
            ErrorText("Cannot read file ").File(folder + kCustomWeaponFile).SystemText(": Not a regular file"));
    // The codec's message alone does not say which file is damaged.
    const auto damaged = [&](const std::string &reason) {
        return LZHException(
            ErrorText("The custom weapon file ").File(folder + kCustomWeaponFile).SystemText(" is damaged: " + reason));
    };
    const std::vector<uint8_t> container = ReadWholeFile(path);
    Stream content;
    try {
        content = Stream(DecompressWholeBytes(container));
    } catch (const LZHException &e) {
        throw damaged(e.Utf8());
    }
    // Taking the whole records would lose the rest when the list is saved.
    if (const std::string reason = PartialRecordReason(content, kWeaponRecordSize); !reason.empty())
        throw damaged(reason);
    ForEachRecord(content, kWeaponRecordSize, [&](const uint8_t *p, int) { records.push_back(ReadWeaponRecord(p)); });
    return records;
}

void SaveCustomWeaponFile(const BaseWeaponList &custom, const std::string &folder)
{
    if (custom.Count() == 0)
        RemoveFileIfExists(PathFromUtf8(folder + kCustomWeaponFile));
    else
        WriteCustomWeaponFile(custom, folder);
}

void WriteCustomWeaponFile(const BaseWeaponList &custom, const std::string &folder)
{
    std::vector<uint8_t> records(static_cast<size_t>(custom.Count()) * kWeaponRecordSize);
    for (int i = 0; i < custom.Count(); ++i)
        WriteWeaponRecord(custom.Get(i), records.data() + static_cast<size_t>(i) * kWeaponRecordSize);
    WriteFileAtomically(PathFromUtf8(folder + kCustomWeaponFile), CompressBytes(records));
}

namespace {

// Takes out the first record equal to `record`; false when there is none.
bool RemoveOne(std::vector<WeaponRecord> &records, const WeaponRecord &record)
{
    const auto it = std::find(records.begin(), records.end(), record);
    if (it == records.end())
        return false;
    records.erase(it);
    return true;
}

} // namespace

std::vector<WeaponRecord> MergeCustomWeapons(const std::vector<WeaponRecord> &inFile,
                                             const std::vector<WeaponRecord> &known,
                                             const std::vector<WeaponRecord> &ours)
{
    std::vector<WeaponRecord> merged;
    std::copy_if(inFile.begin(), inFile.end(), std::back_inserter(merged),
                 [](const WeaponRecord &r) { return r.WeaponType == kCustomWeaponType; });
    std::vector<WeaponRecord> added = ours;
    for (const WeaponRecord &record : known)
        if (!RemoveOne(added, record))
            RemoveOne(merged, record);
    merged.insert(merged.end(), added.begin(), added.end());
    return merged;
}

std::vector<WeaponRecord> TakeOutWeapons(std::vector<WeaponRecord> &records, const std::vector<WeaponRecord> &entries)
{
    std::vector<WeaponRecord> found;
    for (const WeaponRecord &entry : entries)
        if (RemoveOne(records, entry))
            found.push_back(entry);
    return found;
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
