#include "base/CalculationLog.h"

namespace {
TLogLines *g_target = nullptr;
}

TLogLines *CalculationLog() { return g_target; }

ScopedCalculationLog::ScopedCalculationLog(TLogLines *target) : m_previous(g_target) { g_target = target; }

ScopedCalculationLog::~ScopedCalculationLog() { g_target = m_previous; }
