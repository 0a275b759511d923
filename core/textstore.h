#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brainlark
{

/// Where a text lies in a TextStore.
struct TextSpan {
    uint32_t offset = 0;
    uint32_t size = 0;
};

/// Bytes shared by the texts of many pairs: the bytes of a loaded list file, the lines of an import, or the
/// two texts of one pair made by hand. Pairs refer to their texts by offset, so a store may still grow while
/// it is being filled; afterwards it is only read. Copies share the bytes, which are freed with the last
/// copy. The count is not atomic: pairs, like the lists holding them, belong to one thread.
///
/// Loading 100,000 pairs this way costs one buffer instead of a heap string per text.
class TextStore
{
public:
    /// Offsets are 32 bits: a store never grows beyond this.
    static constexpr size_t MaxSize = UINT32_MAX;

    TextStore() = default;
    TextStore(const TextStore& other) noexcept : m_block(other.m_block) { retain(); }
    TextStore(TextStore&& other) noexcept : m_block(other.m_block) { other.m_block = nullptr; }
    TextStore& operator=(const TextStore& other) noexcept;
    TextStore& operator=(TextStore&& other) noexcept;
    ~TextStore() { release(); }

    /// The text at span; empty for an empty span (also on a store without bytes).
    std::string_view view(TextSpan span) const
    {
        return span.size == 0 ? std::string_view() : std::string_view(m_block->data + span.offset, span.size);
    }
    /// All bytes.
    std::string_view view() const
    {
        return m_block ? std::string_view(m_block->data, m_block->size) : std::string_view();
    }
    size_t size() const { return m_block ? m_block->size : 0; }
    bool empty() const { return size() == 0; }
    /// Whether span lies within the bytes.
    bool contains(TextSpan span) const { return span.offset <= size() && span.size <= size() - span.offset; }

    // Filling. While another copy shares the bytes, only append() (or room() and resize()) may be used, and
    // only while no one holds a view of them (the copies see the grown bytes, but views may point to freed
    // memory). Throw std::length_error beyond MaxSize and std::bad_alloc when memory runs out.

    /// Appends text and returns where it went.
    TextSpan append(std::string_view text);
    /// Room for n more bytes after the end, growing as append() does; returns where they start. resize()
    /// then keeps the ones written.
    char* room(size_t n);
    /// Sets the size; bytes added are not initialised (a file read writes them). Returns the bytes.
    char* resize(size_t size);
    /// Cuts the bytes to size and gives the memory beyond back.
    void shrink(size_t size);
    /// The bytes, to be changed in place.
    char* data() { return m_block ? m_block->data : nullptr; }

private:
    struct Block {
        size_t refs;
        size_t size;
        size_t capacity;
        char* data;
    };
    void retain() const
    {
        if (m_block)
            ++m_block->refs;
    }
    void release();
    void reserve(size_t capacity);

    Block* m_block = nullptr;
};

} // namespace brainlark
