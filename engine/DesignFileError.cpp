#include "engine/DesignFileError.h"

namespace aw {

namespace {

ErrorText MessageFor(DesignFileError::Failure reason, const std::string &fileName, const std::string &detail)
{
    ErrorText text;
    text.File(fileName);
    if (reason == DesignFileError::Failure::NotADesign)
        return text.Text(" is not a design file this program can read" + (detail.empty() ? "" : " (" + detail + ")"));
    return text.Text(" is damaged: " + detail);
}

} // namespace

DesignFileError::DesignFileError(Failure reason, const std::string &fileName, const std::string &detail)
    : ArmorwrightError(MessageFor(reason, fileName, detail)), m_reason(reason)
{
}

} // namespace aw
