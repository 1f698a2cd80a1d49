#include "engine/CalculationReplay.h"

#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"

namespace aw {

LogLines ReplayCalculationLog(BaseVehicle &vehicle, LogKind kind)
{
    LogLines lines;
    ScopedCalculationLog log(lines);
    LogLine(vehicle.Name);
    LogLine("");
    if (kind == LogKind::ThreatValue)
        ThreatValue(vehicle);
    else
        FinalCost(vehicle);
    return lines;
}

std::string JoinLogLines(const LogLines &lines, const std::string &lineEnd)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + lineEnd;
    return text;
}

} // namespace aw
