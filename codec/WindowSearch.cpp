#include "codec/WindowSearch.h"

#include <cstring>

namespace aw {

WindowSearch::WindowSearch(const FirstBytes &kept)
    : m_tree(std::make_unique<MatchTree>()), m_text(m_tree->Text()), m_kept(kept)
{
    std::memset(m_text, ' ', kWindow - kLongest);
}

} // namespace aw
