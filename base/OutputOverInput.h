#pragma once

#include <string>
#include <vector>

namespace aw {

// Throws ArmorwrightError when output (a UTF-8 path) names one of the input files, by any
// path or link: writing the output would destroy what it is made from.
void RefuseOutputOverInput(const std::string &output, const std::vector<std::string> &inputs);

} // namespace aw
