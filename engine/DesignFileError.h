#pragma once

#include "base/ArmorwrightError.h"

#include <string>

namespace aw {

// A design file could not be opened: it is damaged, or it is not a design file this
// program can read. The message names the file and says which of the two.
class DesignFileError : public ArmorwrightError {
public:
    enum class Failure { Damaged, NotADesign };

    DesignFileError(Failure reason, const std::string &fileName, const std::string &detail);

    Failure Reason() const { return m_reason; }

private:
    Failure m_reason;
};

} // namespace aw
