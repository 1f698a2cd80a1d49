#include "fuzz/entries/FuzzEntries.h"

namespace aw {

const std::vector<FuzzTarget> &FuzzTargets()
{
    static const std::vector<FuzzTarget> targets = {
        {"container", FuzzContainer},      {"design_body", FuzzDesignBody},       {"override_file", FuzzOverrideFile},
        {"sheet_layout", FuzzSheetLayout}, {"sheet_template", FuzzSheetTemplate}, {"design_json", FuzzDesignJson},
    };
    return targets;
}

} // namespace aw
