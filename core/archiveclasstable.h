#pragma once

#include <cstdint>
#include <vector>

namespace brainlark
{

/// The object table an archive keeps while reading: index 0 stands for "no object", and every class
/// definition and every object takes the next index in file order. Only class indices are remembered,
/// since lists never refer back to objects.
class ArchiveClassTable
{
public:
    /// Records a new class definition and returns its index.
    uint32_t defineClass();
    /// Records an object (it takes an index without being referable).
    void addObject() { ++m_nextIndex; }
    bool isClass(uint32_t index) const
    {
        // Lists define their one class once: the common answer needs no search.
        return (!m_classes.empty() && m_classes.front() == index) || isLaterClass(index);
    }
    uint32_t nextIndex() const { return m_nextIndex; }

private:
    bool isLaterClass(uint32_t index) const;

    uint32_t m_nextIndex = 1;
    std::vector<uint32_t> m_classes; // ascending, as indices are handed out in order
};

} // namespace brainlark
