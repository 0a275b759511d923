#include "core/textstore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

namespace brainlark
{

TextStore& TextStore::operator=(const TextStore& other) noexcept
{
    other.retain();
    release();
    m_block = other.m_block;
    return *this;
}

TextStore& TextStore::operator=(TextStore&& other) noexcept
{
    if (this != &other) {
        release();
        m_block = std::exchange(other.m_block, nullptr);
    }
    return *this;
}

void TextStore::release()
{
    if (m_block && --m_block->refs == 0) {
        std::free(m_block->data);
        delete m_block;
    }
    m_block = nullptr;
}

// Plain malloc/realloc: growing a large buffer can then move pages instead of copying bytes, and a file read
// into it does not have to clear it first.
void TextStore::reserve(size_t capacity)
{
    if (capacity > MaxSize)
        throw std::length_error("text store too large");
    if (!m_block)
        m_block = new Block{1, 0, 0, nullptr};
    if (capacity <= m_block->capacity)
        return;
    void* grown = std::realloc(m_block->data, capacity);
    if (grown == nullptr)
        throw std::bad_alloc();
    m_block->data = static_cast<char*>(grown);
    m_block->capacity = capacity;
}

char* TextStore::room(size_t n)
{
    const size_t used = size();
    if (n > MaxSize - used)
        throw std::length_error("text store too large");
    const size_t needed = used + n;
    if (!m_block || needed > m_block->capacity)
        reserve(std::max(needed, std::min<size_t>(MaxSize, used + used / 2 + 64)));
    return m_block->data + used;
}

TextSpan TextStore::append(std::string_view text)
{
    const size_t used = size();
    char* end = room(text.size());
    if (!text.empty())
        std::memcpy(end, text.data(), text.size());
    m_block->size = used + text.size();
    return {static_cast<uint32_t>(used), static_cast<uint32_t>(text.size())};
}

char* TextStore::resize(size_t newSize)
{
    reserve(newSize);
    m_block->size = newSize;
    return m_block->data;
}

void TextStore::shrink(size_t newSize)
{
    if (!m_block || newSize >= m_block->size)
        return;
    m_block->size = newSize;
    // Shrinking in place nearly always works; when it does not, the larger buffer simply stays.
    if (void* smaller = std::realloc(m_block->data, newSize == 0 ? 1 : newSize)) {
        m_block->data = static_cast<char*>(smaller);
        m_block->capacity = newSize == 0 ? 1 : newSize;
    }
}

} // namespace brainlark
