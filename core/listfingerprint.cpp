#include "core/listfingerprint.h"

#include <cstdio>
#include <cstring>

#include "core/flyarchive.h"
#include "core/pairlist.h"

namespace brainlark
{

namespace
{

// FNV-1a over length-prefixed fields, so that "ab"+"c" and "a"+"bc" differ.
class Hasher
{
public:
    void add(std::string_view text)
    {
        addNumber(text.size());
        for (unsigned char c : text)
            addByte(c);
    }
    void addNumber(uint64_t value)
    {
        for (int i = 0; i < 8; ++i)
            addByte(static_cast<unsigned char>(value >> (8 * i)));
    }
    uint64_t value() const { return m_hash; }

private:
    void addByte(unsigned char c)
    {
        m_hash ^= c;
        m_hash *= 1099511628211ull;
    }
    uint64_t m_hash = 14695981039346656037ull;
};

class Builder
{
public:
    void addPair(int array, const Pair& pair)
    {
        for (Hasher* h : {&m_texts, &m_content}) {
            h->addNumber(uint64_t(array));
            h->add(pair.question());
            h->add(pair.answer());
            h->add(pair.soundPathOne());
            h->add(pair.soundPathTwo());
            h->add(pair.hint());
            h->add(pair.picturePath());
            h->addNumber(uint64_t(uint32_t(pair.kind())));
        }
        uint32_t rating = 0;
        const float value = pair.rating();
        std::memcpy(&rating, &value, sizeof rating);
        for (int32_t n : {pair.right(), pair.wrong(), pair.timesInQuestion()})
            m_content.addNumber(uint64_t(uint32_t(n)));
        m_content.addNumber(rating);
    }
    ListFingerprint finish(const PairList& fields)
    {
        for (Hasher* h : {&m_texts, &m_content}) {
            h->add(fields.notes());
            h->add(fields.subject());
            h->add(fields.password());
        }
        m_content.addNumber(uint64_t(uint32_t(fields.lastIndex())));
        return {m_texts.value(), m_content.value()};
    }

private:
    Hasher m_texts;
    Hasher m_content;
};

} // namespace

ListFingerprint ListFingerprint::of(const PairList& list)
{
    Builder builder;
    for (const Pair& pair : list.pairs())
        builder.addPair(0, pair);
    for (const Pair& pair : list.wrongAnswers())
        builder.addPair(1, pair);
    return builder.finish(list);
}

std::optional<ListFingerprint> ListFingerprint::ofBytes(const TextStore& bytes)
{
    Builder builder;
    PairList fields;
    const LoadResult read =
        FlyArchive::scan(bytes, fields, [&builder](FlyArchive::PairArray array, const Pair& pair) {
            builder.addPair(array == FlyArchive::PairArray::Pairs ? 0 : 1, pair);
        });
    if (!read)
        return std::nullopt;
    return builder.finish(fields);
}

std::string ListFingerprint::toText() const
{
    char text[40];
    std::snprintf(text, sizeof text, "t%016llx-c%016llx", static_cast<unsigned long long>(texts),
                  static_cast<unsigned long long>(content));
    return text;
}

std::optional<ListFingerprint> ListFingerprint::parse(const std::string& text)
{
    const auto hex = [](const std::string& digits, uint64_t& out) {
        if (digits.size() != 16)
            return false;
        out = 0;
        for (char c : digits) {
            const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (v < 0)
                return false;
            out = out << 4 | uint64_t(v);
        }
        return true;
    };
    ListFingerprint f;
    if (text.size() != 35 || text[0] != 't' || text[17] != '-' || text[18] != 'c' ||
        !hex(text.substr(1, 16), f.texts) || !hex(text.substr(19, 16), f.content))
        return std::nullopt;
    return f;
}

} // namespace brainlark
