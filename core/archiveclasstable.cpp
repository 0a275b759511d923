#include "core/archiveclasstable.h"

#include <algorithm>

namespace brainlark
{

uint32_t ArchiveClassTable::defineClass()
{
    m_classes.push_back(m_nextIndex);
    return m_nextIndex++;
}

bool ArchiveClassTable::isLaterClass(uint32_t index) const
{
    // Binary search: a hostile file may define a class before every object.
    return std::binary_search(m_classes.begin(), m_classes.end(), index);
}

} // namespace brainlark
