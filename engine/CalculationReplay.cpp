#include "engine/CalculationReplay.h"

#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"

TLogLines ReplayCalculationLog(TBaseVehicle &vehicle, TLogKind kind)
{
    TLogLines lines;
    ScopedCalculationLog log(lines);
    LogLine(vehicle.Name);
    LogLine("");
    if (kind == TLogKind::ThreatValue)
        ThreatValue(vehicle);
    else
        FinalCost(vehicle);
    return lines;
}

std::string JoinLogLines(const TLogLines &lines, const std::string &lineEnd)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + lineEnd;
    return text;
}
