#include "cli/OpenedDesignFile.h"

#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"

TOpenedDesignFile OpenAsEditor(const std::string &path)
{
    TLoadedDesign loaded = LoadDesignFile(path);
    TOpenedDesignFile opened;
    opened.Vehicle = std::move(loaded.Vehicle);
    opened.Warning = std::move(loaded.Warning);
    opened.Results = SettleOpenedDesign(*opened.Vehicle);
    return opened;
}
