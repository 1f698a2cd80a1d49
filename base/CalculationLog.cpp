#include "base/CalculationLog.h"

namespace aw {

namespace {
LogLines *g_target = nullptr;
}

LogLines *CalculationLog() { return g_target; }

ScopedCalculationLog::ScopedCalculationLog(LogLines *target) : m_previous(g_target) { g_target = target; }

ScopedCalculationLog::~ScopedCalculationLog() { g_target = m_previous; }

} // namespace aw
