// Packages made to hurt: archives that unpack to far more than they say, a note of 10,000 fields, an import
// cancelled half-way. Each test runs in a process of its own, so the peak memory is the test's.
#include "interchange/ankipackage.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <sys/resource.h>
#include <zstd.h>

#include "interchange/support/ankimaker.h"

using namespace brainlark;
using namespace brainlark::ankimaker;

namespace
{

constexpr long MemoryCeilingKb = 256 * 1024;

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A zstd stream of `megabytes` MB of zeros that does not declare its size: only unpacking it tells.
std::string zstdOfZeros(size_t megabytes)
{
    ZSTD_CCtx* context = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(context, ZSTD_c_compressionLevel, 1);
    const std::string zeros(1 << 20, '\0');
    std::string out;
    std::string buffer(ZSTD_CStreamOutSize(), '\0');
    for (size_t i = 0; i <= megabytes; ++i) {
        ZSTD_inBuffer in{zeros.data(), i < megabytes ? zeros.size() : 0, 0};
        const ZSTD_EndDirective mode = i < megabytes ? ZSTD_e_continue : ZSTD_e_end;
        size_t left;
        do {
            ZSTD_outBuffer output{buffer.data(), buffer.size(), 0};
            left = ZSTD_compressStream2(context, &output, &in, mode);
            out.append(buffer.data(), output.pos);
        } while (mode == ZSTD_e_end ? left != 0 : in.pos < in.size);
    }
    ZSTD_freeCCtx(context);
    return out;
}

// The archive's sizes of one entry, as both its local header and the central directory declare them,
// replaced: what a hand-made bomb writes.
void declareSize(std::string& zip, const std::string& entry, uint32_t size)
{
    auto patch = [&](const char* signature, size_t nameLengthAt, size_t nameAt, size_t sizeAt) {
        for (size_t at = zip.find(signature); at != std::string::npos; at = zip.find(signature, at + 4)) {
            uint16_t length;
            std::memcpy(&length, &zip[at + nameLengthAt], 2);
            if (zip.compare(at + nameAt, length, entry) == 0)
                std::memcpy(&zip[at + sizeAt], &size, 4);
        }
    };
    patch("PK\x03\x04", 26, 30, 22);
    patch("PK\x01\x02", 28, 46, 24);
}

class AnkiHostileTest : public ::testing::Test
{
protected:
    std::string path(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }
    QTemporaryDir m_dir;
};

TEST_F(AnkiHostileTest, RefusesEntriesThatUnpackToMoreThanALimitWithinBoundedMemory)
{
    AnkiCollection small;
    small.notes = {{{"a", "b"}}};
    const std::string plain = makePackage(m_dir.path().toStdString(), "plain.apkg", small, AnkiForm::Anki21);
    std::string lying = fileBytes(plain);
    declareSize(lying, "collection.anki21", 0xfffffff0u);
    writeFile(path("declared.apkg"), lying);
    std::string understated = fileBytes(plain);
    declareSize(understated, "collection.anki21", 100);
    writeFile(path("understated.apkg"), understated);
    writeZip(path("collection-bomb.apkg"), {{"collection.anki21b", zstdOfZeros(1024)}});
    const std::string media = zstdOfZeros(1024);
    writeCollection(path("small.db"), small, 11);
    writeZip(path("media-bomb.apkg"), {{"collection.anki21", fileBytes(path("small.db"))}, {"media", media}});

    AnkiLimits small64;
    small64.collectionBytes = 64 << 20;
    const struct {
        std::string file;
        AnkiLimits limits;
        std::string said;
    } cases[] = {
        {"declared.apkg", {}, "collection.anki21 unpacks to 4096 MB or more, more than the 1024 MB"},
        {"understated.apkg", {}, "collection.anki21 unpacks to more than the 100 bytes the archive declares"},
        {"collection-bomb.apkg", small64, "collection.anki21b unpacks to 65 MB or more, more than the 64 MB"},
        {"media-bomb.apkg", {}, "media unpacks to 17 MB or more, more than the 16 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        AnkiPackage package;
        std::string error;
        EXPECT_FALSE(package.open(path(c.file), &error, c.limits));
        EXPECT_NE(error.find(c.said), std::string::npos) << error;
    }
    EXPECT_LT(peakMemoryKb(), MemoryCeilingKb);
}

TEST_F(AnkiHostileTest, ReadsANoteOfTenThousandFields)
{
    AnkiCollection c;
    AnkiNote wide;
    for (int i = 0; i < 10000; ++i)
        wide.fields.push_back("f" + std::to_string(i));
    c.notes = {wide, {{"x", "y"}}};
    const std::string package = makePackage(m_dir.path().toStdString(), "wide.apkg", c, AnkiForm::Newest);
    const struct {
        AnkiFieldChoice choice;
        std::string question, answer;
    } cases[] = {
        {{0, 1, -1}, "f0", "f1"},
        {{9999, 5000, -1}, "f9999", "f5000"},
        {{10000, 1, -1}, "", "f1"}, // no such field: the note is skipped
    };
    for (const auto& c : cases) {
        AnkiImportOptions options;
        options.fields[1] = c.choice;
        ImportResult result;
        std::string error;
        ASSERT_TRUE(AnkiPackage::importFile(package, options, result, {}, &error)) << error;
        if (c.question.empty()) {
            EXPECT_EQ(result.skippedCount, 2u);
            continue;
        }
        ASSERT_FALSE(result.pairs.empty());
        EXPECT_EQ(result.pairs[0].question, c.question);
        EXPECT_EQ(result.pairs[0].answer, c.answer);
    }
}

TEST_F(AnkiHostileTest, ProgressSeesEveryNoteAndCanCancel)
{
    AnkiCollection c;
    for (int i = 0; i < 3500; ++i)
        c.notes.push_back({{"q" + std::to_string(i), "a"}});
    const std::string file = makePackage(m_dir.path().toStdString(), "long.apkg", c, AnkiForm::Legacy);
    const struct {
        uint64_t cancelAt; // 0: never
        bool done;
        uint64_t lastSeen;
    } cases[] = {{0, true, 3500}, {1000, false, 1000}, {3500, false, 3500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cancelAt);
        uint64_t seen = 0;
        ImportResult result;
        std::string error;
        const bool done = AnkiPackage::importFile(
            file, {}, result,
            [&](uint64_t notes, uint64_t total) {
                EXPECT_EQ(total, 3500u);
                EXPECT_GT(notes, seen);
                seen = notes;
                return notes != c.cancelAt;
            },
            &error);
        EXPECT_EQ(done, c.done);
        EXPECT_EQ(seen, c.lastSeen);
        if (!done)
            EXPECT_EQ(error, "import cancelled");
        else
            EXPECT_EQ(result.pairs.size(), 3500u);
    }
}

} // namespace
