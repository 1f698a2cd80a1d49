#pragma once

#include "tests/support/TempFolder.h"

#include <functional>
#include <string>

namespace aw::hardening {

// Runs save with the k-th low-level write failing for k = 1, 2, ... until it succeeds, and
// checks that every failed save reported a FileError naming `file`, left the folder as it was
// and that only `file` is new in the end. `file` is the name of the file the save writes in
// folder, already holding an earlier version (or absent). Returns how many saves failed.
int SweepWriteFaults(const TempFolder &folder, const std::string &file, const std::function<void()> &save);

} // namespace aw::hardening
