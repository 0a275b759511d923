#include "core/flyarchive.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace brainlark
{
namespace
{

// Builds list files by hand, so old schemas and versions (which the program no longer writes) and broken
// files can be fed to the reader.
class Bytes
{
public:
    Bytes& u8(int v)
    {
        m_bytes += static_cast<char>(v);
        return *this;
    }
    Bytes& u16(uint32_t v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    Bytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& f32(float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(bits);
    }
    Bytes& str(const std::string& s)
    {
        if (s.size() < 0xFF)
            u8(static_cast<int>(s.size()));
        else if (s.size() < 0xFFFE)
            u8(0xFF).u16(static_cast<uint32_t>(s.size()));
        else
            u8(0xFF).u16(0xFFFF).u32(static_cast<uint32_t>(s.size()));
        m_bytes += s;
        return *this;
    }
    Bytes& count(uint32_t n) { return n < 0xFFFF ? u16(n) : u16(0xFFFF).u32(n); }
    Bytes& newClass(int schema, const std::string& name = "Word")
    {
        u16(0xFFFF).u16(static_cast<uint32_t>(schema)).u16(static_cast<uint32_t>(name.size()));
        m_bytes += name;
        return *this;
    }
    Bytes& classRef(uint32_t index = 1) { return u16(0x8000 | index); }
    // A body in the layout of the given schema; fields are derived from `tag`.
    Bytes& body(int schema, const std::string& tag, float rating = 1.5f)
    {
        str("q" + tag).str("a" + tag).u32(4).f32(rating);
        if (schema >= 2)
            u32(5).u32(6);
        if (schema >= 3)
            str("s1" + tag).str("s2" + tag);
        if (schema >= 4)
            str("h" + tag);
        if (schema >= 5)
            u32(1);
        if (schema >= 7)
            str("p" + tag);
        return *this;
    }
    Bytes& raw(const std::string& s)
    {
        m_bytes += s;
        return *this;
    }
    const std::string& bytes() const { return m_bytes; }
    size_t size() const { return m_bytes.size(); }

private:
    std::string m_bytes;
};

// Everything after the pairs for a version 10 list with no wrong answers.
Bytes& tail10(Bytes& b, int32_t lastIndex = -1)
{
    return b.u32(10).str("notes").count(0).str("made").str("saved").str("pw").str("subject").u32(
        static_cast<uint32_t>(lastIndex));
}

LoadResult readBytes(const Bytes& b, PairList& out)
{
    return FlyArchive::read(b.bytes(), out);
}

std::string errorOf(const Bytes& b)
{
    PairList list;
    const LoadResult result = readBytes(b, list);
    return result.ok ? "ok" : result.error;
}

class FlyArchiveSchema : public ::testing::TestWithParam<int>
{
};

TEST_P(FlyArchiveSchema, ReadsItsFieldsAndDefaultsTheRest)
{
    const int schema = GetParam();
    Bytes b;
    b.count(2).newClass(schema).body(schema, "1").classRef().body(schema, "2");
    tail10(b);
    PairList list;
    ASSERT_TRUE(readBytes(b, list)) << errorOf(b);
    ASSERT_EQ(list.count(), 2);
    const Pair& w = list.pairs()[1];
    EXPECT_EQ(w.question(), "q2");
    EXPECT_EQ(w.answer(), "a2");
    EXPECT_EQ(w.timesInQuestion(), 4);
    EXPECT_EQ(w.rating(), 1.5f);
    EXPECT_EQ(w.right(), schema >= 2 ? 5 : 0);
    EXPECT_EQ(w.wrong(), schema >= 2 ? 6 : 0);
    EXPECT_EQ(w.total(), schema >= 2 ? 11 : 0);
    EXPECT_EQ(w.soundPathOne(), schema >= 3 ? "s12" : "");
    EXPECT_EQ(w.soundPathTwo(), schema >= 3 ? "s22" : "");
    EXPECT_EQ(w.hint(), schema >= 4 ? "h2" : "");
    EXPECT_EQ(w.kind(), schema >= 5 ? 1 : 0);
    EXPECT_EQ(w.picturePath(), schema >= 7 ? "p2" : "");
    EXPECT_EQ(list.subject(), "subject");
}

INSTANTIATE_TEST_SUITE_P(AllSchemas, FlyArchiveSchema, ::testing::Range(1, 11));

TEST(FlyArchiveSchemaErrors, SchemaOutsideOneToTenFailsTheLoad)
{
    for (int schema : {0, 11, 0x800A, 0xFFFF}) {
        Bytes b;
        b.count(1).newClass(schema).body(10, "1");
        tail10(b);
        EXPECT_EQ(errorOf(b), "bad schema " + std::to_string(schema));
    }
}

TEST(FlyArchiveSchemaErrors, WrongAnswersUseTheSchemaOfThePairs)
{
    Bytes b;
    b.count(1).newClass(3).body(3, "1");
    b.u32(6).str("n").count(1).classRef().body(3, "w");
    PairList list;
    ASSERT_TRUE(readBytes(b, list)) << errorOf(b);
    ASSERT_EQ(list.wrongAnswers().size(), 1u);
    EXPECT_EQ(list.wrongAnswers()[0].soundPathTwo(), "s2w");
    EXPECT_EQ(list.wrongAnswers()[0].hint(), "");
}

struct VersionCase {
    uint32_t version;
    const char* notes;
    size_t wrongAnswers;
    const char* created;
    const char* saved;
    const char* password;
    const char* subject;
    int32_t lastIndex;
};

class FlyArchiveVersion : public ::testing::TestWithParam<VersionCase>
{
};

// Writes the fields a list of the given version carries, with recognisable values.
Bytes listOfVersion(uint32_t version)
{
    Bytes b;
    b.count(1).newClass(10).body(10, "1");
    b.u32(version);
    if (version >= 2)
        b.str("my notes");
    if (version >= 6)
        b.count(2).classRef().body(10, "w1").classRef().body(10, "w2");
    if (version >= 8)
        b.str("created").str("saved").str("pw");
    if (version >= 9)
        b.str("subject");
    if (version >= 10)
        b.u32(0);
    return b;
}

TEST_P(FlyArchiveVersion, ReadsItsFieldsAndDefaultsTheRest)
{
    const VersionCase& c = GetParam();
    PairList list;
    const Bytes b = listOfVersion(c.version);
    ASSERT_TRUE(readBytes(b, list)) << errorOf(b);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.notes(), c.notes);
    EXPECT_EQ(list.wrongAnswers().size(), c.wrongAnswers);
    EXPECT_EQ(list.createdStamp(), c.created);
    EXPECT_EQ(list.savedStamp(), c.saved);
    EXPECT_EQ(list.password(), c.password);
    EXPECT_EQ(list.subject(), c.subject);
    EXPECT_EQ(list.lastIndex(), c.lastIndex);
}

const char* const NoNotes = "no description available";
INSTANTIATE_TEST_SUITE_P(
    AllVersions, FlyArchiveVersion,
    ::testing::Values(VersionCase{1, NoNotes, 0, "", "", "", "", -1},
                      VersionCase{2, "my notes", 0, "", "", "n/a", "", -1},
                      VersionCase{3, "my notes", 0, "", "", "n/a", "", -1},
                      VersionCase{4, "my notes", 0, "", "", "n/a", "", -1},
                      VersionCase{5, "my notes", 0, "", "", "n/a", "", -1},
                      VersionCase{6, "my notes", 2, "s. 2-5", "s. 2-5", "n/a", "", -1},
                      VersionCase{7, "my notes", 2, "s. 2-5", "s. 2-5", "n/a", "", -1},
                      VersionCase{8, "my notes", 2, "created", "saved", "pw", "", -1},
                      VersionCase{9, "my notes", 2, "created", "saved", "pw", "subject", -1},
                      VersionCase{10, "my notes", 2, "created", "saved", "pw", "subject", 0}));

TEST(FlyArchiveVersions, FileEndingAfterThePairsIsVersionOne)
{
    for (const std::string& cut : {std::string(), std::string("\x0A", 1), std::string("\x0A\x00\x00", 3)}) {
        Bytes b;
        b.count(1).newClass(2).body(2, "1").raw(cut);
        PairList list;
        ASSERT_TRUE(readBytes(b, list)) << cut.size();
        EXPECT_EQ(list.notes(), NoNotes);
        EXPECT_EQ(list.password(), "");
        EXPECT_EQ(list.lastIndex(), -1);
        EXPECT_EQ(list.pairs()[0].right(), 5);
    }
}

TEST(FlyArchiveVersions, VersionOutsideOneToTenFailsTheLoad)
{
    for (uint32_t version : {0u, 11u, 12u, 0xFFFFFFFFu}) {
        Bytes b;
        b.count(1).newClass(10).body(10, "1").u32(version).str("notes");
        EXPECT_EQ(errorOf(b), "bad list version " + std::to_string(version));
    }
}

TEST(FlyArchiveVersions, LastIndexAboveOneStepsBackTwo)
{
    const std::pair<int32_t, int32_t> cases[] = {{5, 3}, {2, 0}, {1, 1}, {0, 0}, {-1, -1}, {-7, -7}};
    for (const auto& [stored, loaded] : cases) {
        Bytes b;
        b.count(1).newClass(10).body(10, "1");
        tail10(b, stored);
        PairList list;
        ASSERT_TRUE(readBytes(b, list));
        EXPECT_EQ(list.lastIndex(), loaded) << stored;
    }
}

TEST(FlyArchiveVersions, AbsurdAndInvalidRatingsLoadAsZero)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, float> cases[] = {{2000000.0f, 0.0f}, {1000000.0f, 1000000.0f}, {nan, 0.0f},
                                             {inf, 0.0f},        {-3.5f, -3.5f},           {0.25f, 0.25f}};
    for (const auto& [stored, loaded] : cases) {
        Bytes b;
        b.count(1).newClass(10).body(10, "1", stored);
        tail10(b);
        PairList list;
        ASSERT_TRUE(readBytes(b, list));
        EXPECT_EQ(list.pairs()[0].rating(), loaded) << stored;
    }
}

TEST(FlyArchiveVersions, TotalIsRecomputedNotRead)
{
    Bytes b;
    b.count(1).newClass(10).str("q").str("a").u32(0).f32(0).u32(0x7FFFFFFF).u32(1);
    b.str("").str("").str("").u32(0).str("");
    tail10(b);
    PairList list;
    ASSERT_TRUE(readBytes(b, list));
    EXPECT_EQ(list.pairs()[0].total(), std::numeric_limits<int32_t>::min());
}

TEST(FlyArchiveVersions, BytesAfterTheLastFieldAreIgnored)
{
    Bytes b;
    b.count(1).newClass(10).body(10, "1");
    tail10(b, 4).raw("leftover of a longer earlier version \xFF\xFF\xFF");
    PairList list;
    ASSERT_TRUE(readBytes(b, list));
    EXPECT_EQ(list.subject(), "subject");
    EXPECT_EQ(list.lastIndex(), 2);
}

// The object table: index 0 is "no object", every class definition and every object takes the next index.
TEST(FlyArchiveClassTags, RepeatedDefinitionTakesTheNextIndexAndKeepsTheFirstSchema)
{
    Bytes b;
    b.count(4);
    b.newClass(10).body(10, "1"); // class 1, object 2
    b.classRef(1).body(10, "2");  // object 3
    b.newClass(3).body(10, "3");  // class 4 (schema ignored), object 5
    b.classRef(4).body(10, "4");  // object 6
    tail10(b);
    PairList list;
    ASSERT_TRUE(readBytes(b, list)) << errorOf(b);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.pairs()[3].picturePath(), "p4");

    Bytes objectIndex;
    objectIndex.count(3).newClass(10).body(10, "1").newClass(10).body(10, "2").classRef(4).body(10, "3");
    EXPECT_EQ(errorOf(objectIndex), "undefined class index 4");
}

TEST(FlyArchiveClassTags, BigTagWithAClassIndexIsAccepted)
{
    Bytes b;
    b.count(2).newClass(10).body(10, "1").u16(0x7FFF).u32(0x80000001u).body(10, "2");
    tail10(b);
    PairList list;
    ASSERT_TRUE(readBytes(b, list)) << errorOf(b);
    EXPECT_EQ(list.pairs()[1].question(), "q2");
}

TEST(FlyArchiveClassTags, OnlyThePairClassTagIsKnown)
{
    Bytes other;
    other.count(1).newClass(10, "Wort").body(10, "1");
    EXPECT_EQ(errorOf(other), "unknown class");
    Bytes lower;
    lower.count(1).newClass(10, "word").body(10, "1");
    EXPECT_EQ(errorOf(lower), "unknown class");
    Bytes tooLong;
    tooLong.count(1).u16(0xFFFF).u16(10).u16(64).raw("Word" + std::string(60, ' ')).body(10, "1");
    EXPECT_EQ(errorOf(tooLong), "unknown class");
}

TEST(FlyArchiveClassTags, ReferencesToUnseenClassesFail)
{
    Bytes first;
    first.count(1).classRef(1).body(10, "1");
    EXPECT_EQ(errorOf(first), "undefined class index 1");
    Bytes ahead;
    ahead.count(2).newClass(10).body(10, "1").classRef(5).body(10, "2");
    EXPECT_EQ(errorOf(ahead), "undefined class index 5");
    Bytes object;
    object.count(2).newClass(10).body(10, "1").classRef(2).body(10, "2");
    EXPECT_EQ(errorOf(object), "undefined class index 2");
}

TEST(FlyArchiveClassTags, NullEntriesAndBackReferencesAreRefused)
{
    Bytes null;
    null.count(2).newClass(10).body(10, "1").u16(0);
    EXPECT_EQ(errorOf(null), "null entry in list");
    Bytes backRef;
    backRef.count(2).newClass(10).body(10, "1").u16(2);
    EXPECT_EQ(errorOf(backRef), "object reference in list");
    Bytes bigBackRef;
    bigBackRef.count(2).newClass(10).body(10, "1").u16(0x7FFF).u32(2);
    EXPECT_EQ(errorOf(bigBackRef), "object reference in list");
}

TEST(FlyArchiveErrors, CutFilesFailWithEndOfFile)
{
    Bytes whole;
    whole.count(1).newClass(10).body(10, "1");
    const size_t afterPairs = whole.size();
    whole.u32(10).str("notes").count(1).classRef().body(10, "w");
    whole.str("made").str("saved").str("pw").str("subject").u32(0);
    PairList list;
    ASSERT_TRUE(readBytes(whole, list));
    for (size_t length = 0; length < whole.size(); ++length) {
        // Between the pairs and a whole version the file is an old one; every other cut is an error.
        if (length >= afterPairs && length < afterPairs + 4)
            continue;
        Bytes cut;
        cut.raw(whole.bytes().substr(0, length));
        EXPECT_EQ(errorOf(cut), "unexpected end of file") << length;
    }
}

TEST(FlyArchiveErrors, StringLongerThanTheFileFails)
{
    Bytes b;
    b.count(1).newClass(10).u8(0xFF).u16(0xFFFF).u32(0xFFFFFFF0u).raw("abc");
    EXPECT_EQ(errorOf(b), "unexpected end of file");
    Bytes wide; // 0x20 UTF-16 units claimed, three bytes there
    wide.count(1).newClass(10).u8(0xFF).u16(0xFFFE).u8(0x20).raw("abc");
    EXPECT_EQ(errorOf(wide), "unexpected end of file");
}

TEST(FlyArchiveErrors, HugeCountsInATinyFileFailWithoutReservingForThem)
{
    // Reserving 4 billion pairs up front would fail with "out of memory" instead.
    Bytes pairs;
    pairs.count(0xFFFFFFFFu).newClass(10).body(10, "1");
    EXPECT_EQ(errorOf(pairs), "unexpected end of file");
    Bytes wrong;
    wrong.count(1).newClass(10).body(10, "1").u32(10).str("").count(0xFFFFFFFFu).classRef().raw("abc");
    EXPECT_EQ(errorOf(wrong), "unexpected end of file");
    Bytes bare;
    bare.count(0xFFFFFFFFu).raw(std::string(14, '\0'));
    EXPECT_EQ(errorOf(bare), "null entry in list");
}

TEST(FlyArchiveErrors, FailedLoadLeavesTheOutputUntouched)
{
    PairList list;
    list.pairs().emplace_back("keep", "me");
    list.setNotes("old notes");
    list.setLastIndex(7);
    Bytes bad;
    bad.count(2).newClass(10).body(10, "1").classRef().body(10, "2").u32(12).str("new notes");
    const LoadResult result = readBytes(bad, list);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "bad list version 12");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.pairs()[0].question(), "keep");
    EXPECT_EQ(list.notes(), "old notes");
    EXPECT_EQ(list.lastIndex(), 7);
}

TEST(FlyArchiveErrors, EmptyInputIsAnError)
{
    PairList list;
    EXPECT_EQ(FlyArchive::read("", list).error, "unexpected end of file");
    EXPECT_EQ(FlyArchive::read("\x01", list).error, "unexpected end of file");
}

} // namespace
} // namespace brainlark
