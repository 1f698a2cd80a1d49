#include "ui/document/UndoSnapshot.h"

#include "base/Stream.h"
#include "engine/DesignFields.h"
#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <cstring>
#include <variant>

namespace aw {

namespace {

// A writable reference to one scalar field of a design, whatever its type.
using FieldRef = std::variant<int32_t *, double *, bool *, std::string *, SharedBytes *>;

struct FieldCollector {
    std::vector<FieldRef> &Refs;

    void operator()(const char *name, int32_t &value)
    {
        // The version mark says what the design was read from; a restore keeps it.
        if (std::strcmp(name, "FileVersion") != 0)
            Refs.emplace_back(&value);
    }
    void operator()(const char *, double &value) { Refs.emplace_back(&value); }
    void operator()(const char *, bool &value) { Refs.emplace_back(&value); }
    void operator()(const char *, TextField<std::string> text) { Refs.emplace_back(&text.Value); }
    void operator()(const char *, BytesField<SharedBytes> bytes) { Refs.emplace_back(&bytes.Value); }
};

std::vector<FieldRef> FieldsOf(BaseVehicle &vehicle)
{
    std::vector<FieldRef> refs;
    ForEachVehicleField(vehicle, FieldCollector{refs});
    return refs;
}

// Calls visit(clip) for every clip of the design, weapon by weapon.
template <class Design, class Visit> void ForEachClip(Design &vehicle, Visit &&visit)
{
    for (int w = 0; w < vehicle.Weapons->Count(); ++w) {
        auto &clips = vehicle.Weapons->Get(w).Clips;
        for (int c = 0; c < clips.Count(); ++c)
            visit(clips, c);
    }
}

// Replaces the entries without replacing the list, which stays bound to its own design.
void CopyEntries(PerkList &target, const PerkList &source)
{
    target.Clear();
    for (int i = 0; i < source.Count(); ++i)
        target.Add(source.Get(i));
}

// A long text as bytes and back, copied whole rather than character by character.
std::vector<uint8_t> BytesOf(const std::string &text)
{
    const auto *first = reinterpret_cast<const uint8_t *>(text.data());
    return std::vector<uint8_t>(first, first + text.size());
}

std::string TextOf(const SharedBytes &bytes)
{
    return std::string(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}

bool SameBytes(const std::string &text, const SharedBytes &bytes)
{
    return text.size() == bytes.size() && (text.empty() || std::memcmp(text.data(), bytes.data(), text.size()) == 0);
}

// The snapshot of the design; parts it holds equal to those of `previous` are taken over.
DesignSnapshot TakeSnapshotSharing(const BaseVehicle &vehicle, const DesignSnapshot *previous)
{
    Stream body;
    SaveToStream(vehicle, body, BodyContent::WithoutLargeFields);
    DesignSnapshot snapshot;
    snapshot.Body = body.TakeBytes();
    snapshot.Picture = vehicle.Picture;
    snapshot.CustomName = vehicle.CustomProduction.CustomName;
    snapshot.CustomDefinition = vehicle.CustomProduction.CustomDefinition;
    ForEachClip(vehicle,
                [&](const ClipList &clips, int c) { snapshot.ShieldedClips.push_back(clips.Get(c).Shielded); });
    const auto texts = LongTextFields();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string &text = vehicle.*texts[i];
        const SharedBytes *earlier = previous ? &previous->LongTexts[i] : nullptr;
        if (earlier && SameBytes(text, *earlier))
            snapshot.LongTexts[i] = *earlier;
        else
            snapshot.LongTexts[i] = BytesOf(text);
    }
    if (previous) {
        if (snapshot.Body == previous->Body)
            snapshot.Body = previous->Body;
        if (snapshot.Picture == previous->Picture)
            snapshot.Picture = previous->Picture;
    }
    return snapshot;
}

} // namespace

DesignSnapshot TakeSnapshot(const BaseVehicle &vehicle) { return TakeSnapshotSharing(vehicle, nullptr); }

DesignSnapshot TakeSnapshot(const BaseVehicle &vehicle, const DesignSnapshot &previous)
{
    return TakeSnapshotSharing(vehicle, &previous);
}

std::unique_ptr<Vehicle> SnapshotDesign(const DesignSnapshot &snapshot)
{
    Stream body(snapshot.Body.Bytes());
    std::unique_ptr<Vehicle> design = LoadFromStream(body, "").Design;
    design->Picture = snapshot.Picture;
    const auto texts = LongTextFields();
    for (size_t i = 0; i < texts.size(); ++i)
        design.get()->*texts[i] = TextOf(snapshot.LongTexts[i]);
    design->CustomProduction.CustomName = snapshot.CustomName;
    design->CustomProduction.CustomDefinition = snapshot.CustomDefinition;
    size_t next = 0;
    ForEachClip(*design, [&](ClipList &clips, int c) {
        if (next < snapshot.ShieldedClips.size())
            clips.Mutable(c)->Shielded = snapshot.ShieldedClips[next++];
    });
    return design;
}

std::unique_ptr<Vehicle> CopyDesign(const BaseVehicle &vehicle)
{
    std::unique_ptr<Vehicle> copy = SnapshotDesign(TakeSnapshot(vehicle));
    copy->FileVersion = vehicle.FileVersion;
    return copy;
}

void RestoreSnapshot(Vehicle &target, const DesignSnapshot &snapshot)
{
    // Everything is read before the design is touched, so a body that cannot be read
    // leaves the design as it was.
    std::unique_ptr<Vehicle> source = SnapshotDesign(snapshot);
    const std::vector<FieldRef> to = FieldsOf(target);
    const std::vector<FieldRef> from = FieldsOf(*source);
    for (size_t i = 0; i < to.size(); ++i) {
        std::visit([&](auto *field) { *field = std::move(*std::get<decltype(field)>(from[i])); }, to[i]);
    }
    target.CustomProduction = source->CustomProduction;
    *target.Movement = *source->Movement;
    CopyEntries(*target.Perks, *source->Perks);
    CopyEntries(*target.Flaws, *source->Flaws);
    CopyEntries(*target.Defects, *source->Defects);
    *target.Weapons = std::move(*source->Weapons);
}

} // namespace aw
