#include "engine/ThreatValueReuse.h"

#include "engine/Vehicle.h"
#include "engine/base/CalculationLog.h"

namespace {
ScopedThreatValueReuse *g_current = nullptr;
}

ScopedThreatValueReuse::ScopedThreatValueReuse(const TBaseVehicle &vehicle)
    : m_vehicle(&vehicle), m_armor(vehicle.Armor), m_crew(vehicle.Crew), m_finalSize(vehicle.FinalSize),
      m_previous(g_current)
{
    g_current = this;
}

ScopedThreatValueReuse::~ScopedThreatValueReuse() { g_current = m_previous; }

std::optional<double> *ScopedThreatValueReuse::slot(const TBaseVehicle &vehicle, TThreatPart part)
{
    if (&vehicle != m_vehicle)
        return nullptr;
    if (vehicle.Armor != m_armor || vehicle.Crew != m_crew || vehicle.FinalSize != m_finalSize) {
        // The constraint pass changed the design: earlier values no longer hold.
        m_armor = vehicle.Armor;
        m_crew = vehicle.Crew;
        m_finalSize = vehicle.FinalSize;
        for (std::optional<double> &value : m_values)
            value.reset();
    }
    return &m_values[static_cast<int>(part)];
}

double ScopedThreatValueReuse::Value(const TBaseVehicle &vehicle, TThreatPart part,
                                     const std::function<double()> &compute)
{
    if (!g_current || CalculationLog())
        return compute();
    if (std::optional<double> *stored = g_current->slot(vehicle, part); stored && *stored)
        return **stored;
    const double value = compute();
    // Looked up again: computing may have moved the store to a new state of the design.
    if (std::optional<double> *stored = g_current->slot(vehicle, part))
        *stored = value;
    return value;
}
