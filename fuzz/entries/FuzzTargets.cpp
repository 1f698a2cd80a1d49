#include "fuzz/entries/FuzzEntries.h"

const std::vector<TFuzzTarget> &FuzzTargets()
{
    static const std::vector<TFuzzTarget> targets = {
        {"container", FuzzContainer},         {"design_body", FuzzDesignBody},
        {"override_file", FuzzOverrideFile},  {"sheet_layout", FuzzSheetLayout},
        {"sheet_template", FuzzSheetTemplate}, {"design_json", FuzzDesignJson},
    };
    return targets;
}
