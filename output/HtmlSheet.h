#pragma once

#include "output/SheetFormats.h"

#include <string>

namespace aw {

struct PrintJob;

// "&", "<", ">" and the double quote as HTML character references.
std::string HtmlEscape(const std::string &text);

// A copy of the job with every text the HTML sheet shows escaped: the design's texts, the
// movement, weapon and perk/flaw/defect rows and the three notes. Line breaks stay as they are.
PrintJob HtmlEscapedJob(const PrintJob &job);

// The HTML sheet of the job from the given template.
std::string HtmlSheetText(const std::string &templateText, const PrintJob &job,
                          const SheetFormats &formats = SheetFormats());

} // namespace aw
