#pragma once

#include "engine/DesignResults.h"
#include "engine/Vehicle.h"

#include <memory>
#include <string>

namespace aw {

// A design file as the editor holds it right after opening it: read, then settled as the
// editor's pages settle it, with the results of the last refresh.
struct OpenedDesignFile {
    std::unique_ptr<Vehicle> Design;
    DesignResults Results;
    std::string Warning; // what was left out while reading, or empty
};

// Throws FileError or DesignFileError as opening in the editor does.
OpenedDesignFile OpenAsEditor(const std::string &path);

} // namespace aw
