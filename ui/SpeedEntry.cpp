#include "ui/SpeedEntry.h"

namespace speedentry {

double CapTopSpeed(double kph)
{
    return kph > kMaxTopSpeed ? kMaxTopSpeed : kph;
}

double KphFromMP(double mp, bool flight)
{
    return mp * (flight ? 30.0 : 6.0);
}

} // namespace speedentry
