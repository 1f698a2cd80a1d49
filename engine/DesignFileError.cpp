#include "engine/DesignFileError.h"

namespace {

TErrorText messageFor(EDesignFileError::TReason reason, const std::string &fileName, const std::string &detail)
{
    TErrorText text;
    text.File(fileName);
    if (reason == EDesignFileError::TReason::NotADesign)
        return text.Text(" is not a design file this program can read" + (detail.empty() ? "" : " (" + detail + ")"));
    return text.Text(" is damaged: " + detail);
}

} // namespace

EDesignFileError::EDesignFileError(TReason reason, const std::string &fileName, const std::string &detail)
    : EArmorwrightError(messageFor(reason, fileName, detail)), m_reason(reason)
{
}
