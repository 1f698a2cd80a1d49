#pragma once

#include <QString>

#include <string>

namespace aw {

// Multi-line texts are stored in designs with CR LF line ends, as the memo boxes of the
// Windows program wrote them; the memo boxes here use LF. These convert at the boundary
// (together with the Windows-1252 conversion).
QString MemoText(const std::string &stored);
std::string StoredMemoText(const QString &memo);

} // namespace aw
