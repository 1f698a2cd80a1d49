#include "fuzz/entries/FuzzEntries.h"

#if __has_include("storage/DesignJson.h")
#include "base/Stream.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "fuzz/entries/DesignChecks.h"
#include "storage/DesignJson.h"

namespace aw {

namespace {
std::vector<uint8_t> BodyOf(const BaseVehicle &vehicle)
{
    Stream body;
    SaveToStream(vehicle, body);
    return body.TakeBytes();
}
} // namespace

void FuzzDesignJson(std::span<const uint8_t> data)
{
    std::unique_ptr<Vehicle> vehicle;
    try {
        vehicle = DesignFromJson(std::string(data.begin(), data.end()));
    } catch (const DesignJsonError &) {
        return;
    }
    // The written form reads back to the same design.
    const std::unique_ptr<Vehicle> again = DesignFromJson(DesignToJson(*vehicle));
    if (BodyOf(*again) != BodyOf(*vehicle))
        throw FuzzFinding("a design read from JSON does not survive writing and reading it again");
    fuzzcheck::CheckAcceptedDesign(*vehicle);
}
#else
// The JSON design reader is not part of this build.
void FuzzDesignJson(std::span<const uint8_t>) {}
#endif

} // namespace aw
