#pragma once

#include <QString>

#include <string>

namespace aw {

// A compared value as the editor's boxes and results area show it. The comparison writes a
// number exactly ("0.30000000000000004"), as the command-line comparison prints it; the
// window shows it as the page that edits it does ("0.3"). Texts, flags, summaries and
// "(none)" are shown as they are.
QString ComparedValueText(const std::string &path, const std::string &exact);

} // namespace aw
