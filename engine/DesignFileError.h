#pragma once

#include "base/ArmorwrightError.h"

#include <string>

// A design file could not be opened: it is damaged, or it is not a design file this
// program can read. The message names the file and says which of the two.
class EDesignFileError : public EArmorwrightError {
  public:
    enum class TReason { Damaged, NotADesign };

    EDesignFileError(TReason reason, const std::string &fileName, const std::string &detail);

    TReason Reason() const { return m_reason; }

  private:
    TReason m_reason;
};
