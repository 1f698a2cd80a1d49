#include "engine/DesignFileError.h"

namespace {

std::string messageFor(EDesignFileError::TReason reason, const std::string &fileName, const std::string &detail)
{
    const std::string subject = "\"" + fileName + "\"";
    if (reason == EDesignFileError::TReason::NotADesign)
        return subject + " is not a design file this program can read" + (detail.empty() ? "" : " (" + detail + ")");
    return subject + " is damaged: " + detail;
}

} // namespace

EDesignFileError::EDesignFileError(TReason reason, const std::string &fileName, const std::string &detail)
    : std::runtime_error(messageFor(reason, fileName, detail)), m_reason(reason)
{
}
