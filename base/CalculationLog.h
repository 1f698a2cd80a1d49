#pragma once

#include "base/NumberFormat.h"

#include <concepts>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aw {

// The calculation log: the one place every calculation step writes its line to.
// It is off (no target) except while a caller collects a log through a ScopedCalculationLog.
using LogLines = std::vector<std::string>;

// The current target, or nullptr when the log is off.
LogLines *CalculationLog();

// True while the log is on. A step whose line needs more than formatting numbers (a name
// looked up or built) asks first, so the work is skipped while the log is off.
inline bool LogEnabled() { return CalculationLog() != nullptr; }

namespace logline {

// How the parts of a line are written: texts as they are, whole numbers in plain decimal,
// real numbers in the log's shortest general form.
inline void Append(std::string &line, const char *text) { line += text; }
inline void Append(std::string &line, std::string_view text) { line += text; }
inline void Append(std::string &line, double value) { line += number::General(value); }
// clang-format 14 mangles requires clauses.
// clang-format off
template <std::integral Whole>
    requires(!std::same_as<Whole, bool> && !std::same_as<Whole, char>)
void Append(std::string &line, Whole value)
// clang-format on
{
    line += number::Integer(value);
}
void Append(std::string &line, bool) = delete;

} // namespace logline

// Appends one line made of the parts when the log is on. Nothing is formatted while it is
// off, which is most of the time: a results refresh passes here thousands of times.
template <typename... Parts> void LogLine(const Parts &...parts)
{
    LogLines *target = CalculationLog();
    if (!target)
        return;
    std::string line;
    (logline::Append(line, parts), ...);
    target->push_back(std::move(line));
}

// Switches the log on into `target` (or off, for nullptr) for its lifetime and restores the
// previous target after.
class ScopedCalculationLog {
public:
    explicit ScopedCalculationLog(LogLines *target);
    explicit ScopedCalculationLog(LogLines &target) : ScopedCalculationLog(&target) {}
    ~ScopedCalculationLog();
    ScopedCalculationLog(const ScopedCalculationLog &) = delete;
    ScopedCalculationLog &operator=(const ScopedCalculationLog &) = delete;

private:
    LogLines *m_previous;
};

} // namespace aw
