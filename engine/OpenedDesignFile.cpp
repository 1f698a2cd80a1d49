#include "engine/OpenedDesignFile.h"

#include "engine/DesignFile.h"
#include "engine/OpenedDesign.h"

namespace aw {

OpenedDesignFile OpenAsEditor(const std::string &path)
{
    LoadedDesign loaded = LoadDesignFile(path);
    OpenedDesignFile opened;
    opened.Design = std::move(loaded.Design);
    opened.Warning = std::move(loaded.Warning);
    opened.Results = SettleOpenedDesign(*opened.Design);
    return opened;
}

} // namespace aw
