#include "ui/ProgramData.h"

#include <stdexcept>

namespace aw {

namespace {
ProgramData *g_data = nullptr;
}

ProgramData &CurrentProgramData()
{
    if (!g_data)
        throw std::logic_error("The program data is not loaded.");
    return *g_data;
}

void SetProgramData(ProgramData *data) { g_data = data; }

} // namespace aw
