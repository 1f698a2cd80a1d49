#pragma once

#include "weapons/ModificationFactors.h"

#include <cstdint>

// The settings of the weapon modification dialog that its threat-value preview reads.
struct TModificationSettings {
    int32_t AccMod = 0;   // -1, 0 or +1
    int32_t DmgMod = 0;
    int32_t RangeMod = 0;
    int32_t ROFMod = 0;
    int32_t SizeMod = 0;
    int32_t PoorWorkmanship = 0;
    int32_t MinSize = 0;  // the weapon's minimum size (read only in the dialog)
    int32_t Arc = 0;
};

// The "New" rating the dialog previews: the old rating times the factors of the chosen
// settings (accuracy, damage, range, rate of fire, poor workmanship, a smaller mount,
// then a fixed or turreted arc). Neither rounded up nor multiplied by the item count.
// A smaller mount scales by MinSize / (MinSize - 1); a weapon whose minimum size is 1 or
// less has no smaller mount to scale to, so the factor is left out there.
double ModificationPreview(double oldRating, const TModificationSettings &settings);
