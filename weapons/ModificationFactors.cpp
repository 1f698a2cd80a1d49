#include "weapons/ModificationFactors.h"

namespace aw {

long double ModificationFactor(const ModificationFactors &factors, int32_t modification)
{
    if (modification == 0)
        return 1.0L;
    return modification >= 1 ? factors.Up : factors.Down;
}

long double ExtendedPoorWorkmanshipFactor(int32_t level) { return 1.0L - static_cast<long double>(level) * 0.1L; }

double PoorWorkmanshipFactor(int32_t level) { return static_cast<double>(ExtendedPoorWorkmanshipFactor(level)); }

} // namespace aw
