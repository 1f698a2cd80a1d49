#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class TBaseVehicle;

// The four threat values a results refresh asks for again and again.
enum class TThreatPart { OTV, DTV, MTV, ThreatValue, Count };

// While alive, and while the calculation log is off, the threat values of one design are
// computed once per state of the fields the constraint pass changes (Armor, Crew,
// FinalSize) and then reused. Nothing else in a design changes during one refresh, so
// the figures are the same; with the log on every value is computed again, so the log
// still shows every run. Scopes nest; the inner one is used.
class ScopedThreatValueReuse {
public:
    explicit ScopedThreatValueReuse(const TBaseVehicle &vehicle);
    ~ScopedThreatValueReuse();
    ScopedThreatValueReuse(const ScopedThreatValueReuse &) = delete;
    ScopedThreatValueReuse &operator=(const ScopedThreatValueReuse &) = delete;

    // The value of `part` for the design, from the reuse store when it holds it for the
    // design's current state, else from compute() (and then stored).
    static double Value(const TBaseVehicle &vehicle, TThreatPart part, const std::function<double()> &compute);

private:
    std::optional<double> *slot(const TBaseVehicle &vehicle, TThreatPart part);

    const TBaseVehicle *m_vehicle;
    int32_t m_armor;
    int32_t m_crew;
    int32_t m_finalSize;
    std::optional<double> m_values[static_cast<int>(TThreatPart::Count)];
    ScopedThreatValueReuse *m_previous;
};
