#pragma once

#include <string>
#include <vector>

// The calculation log: the one place every calculation step writes its line to.
// It is off (no target) except while a caller collects a log, typically through
// a ScopedCalculationLog.
using TLogLines = std::vector<std::string>;

// The current target, or nullptr when the log is off.
TLogLines *CalculationLog();
void SetCalculationLog(TLogLines *target);

// Appends text as one line when the log is on; does nothing otherwise.
void LogLine(std::string text);

// Switches the log on into `target` for its lifetime and restores the previous target after.
class ScopedCalculationLog {
public:
    explicit ScopedCalculationLog(TLogLines &target);
    ~ScopedCalculationLog();
    ScopedCalculationLog(const ScopedCalculationLog &) = delete;
    ScopedCalculationLog &operator=(const ScopedCalculationLog &) = delete;

private:
    TLogLines *m_previous;
};
