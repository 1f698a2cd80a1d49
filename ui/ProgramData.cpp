#include "ui/ProgramData.h"

#include <stdexcept>

namespace {
TProgramData *g_data = nullptr;
}

TProgramData &ProgramData()
{
    if (!g_data)
        throw std::logic_error("The program data is not loaded.");
    return *g_data;
}

void SetProgramData(TProgramData *data)
{
    g_data = data;
}
