#include "core/importmedia.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace brainlark;

namespace
{

class ImportMediaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() /
                 ("importmedia-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root / "export" / "media");
        fs::create_directories(m_root / "program");
    }
    void TearDown() override { fs::remove_all(m_root); }
    void write(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string source() const { return (m_root / "export").string(); }
    std::string program() const { return (m_root / "program").string(); }
    fs::path m_root;
};

ImportResult pairsNaming(std::initializer_list<std::array<const char*, 3>> media)
{
    ImportResult result;
    result.options.format = ImportFormat::Tsv;
    for (const auto& [question, answer, picture] : media) {
        ImportedPair& pair = result.pairs.emplace_back();
        pair.question = "q";
        pair.answer = "a";
        pair.questionSound = question;
        pair.answerSound = answer;
        pair.picturePath = picture;
    }
    return result;
}

TEST_F(ImportMediaTest, CopiesWhatIsFoundAndSaysWhatIsNot)
{
    write(m_root / "export" / "bark.wav", "RIFF-bark");
    write(m_root / "export" / "media" / "dog.png", "PNG-dog");
    write(m_root / "export" / "song.mp3", "ID3");
    write(m_root / "secret.wav", "outside");
    write(m_root / "program" / "quiz_sounds" / "bark.wav", "RIFF-another-bark");
    ImportResult result = pairsNaming({{"bark.wav", "gone.wav", "dog.png"},
                                       {"bark.wav", "song.mp3", ""},
                                       {"../secret.wav", "/etc/passwd", "sub/../../x.png"}});

    const ImportMedia::Census census = ImportMedia::census(result, source());
    EXPECT_EQ(census.found, 3u); // bark.wav, dog.png, song.mp3
    EXPECT_EQ(census.missing, 4u);

    // Pictures the quiz cannot show go through the converter; this one cannot do sounds.
    const ImportMedia::Converter convert = [](bool sound, std::string_view bytes, std::string& converted) {
        converted = "JPEG:" + std::string(bytes);
        return !sound;
    };
    EXPECT_EQ(ImportMedia::place(result, source(), program(), convert), 3u);
    // A different file of the same name stays; the copy gets a name of its own, shared by both pairs.
    EXPECT_EQ(result.pairs[0].questionSound, "bark-2.wav");
    EXPECT_EQ(result.pairs[1].questionSound, "bark-2.wav");
    EXPECT_EQ(read(m_root / "program" / "quiz_sounds" / "bark.wav"), "RIFF-another-bark");
    EXPECT_EQ(read(m_root / "program" / "quiz_sounds" / "bark-2.wav"), "RIFF-bark");
    EXPECT_EQ(result.pairs[0].picturePath, "dog.jpg");
    EXPECT_EQ(read(m_root / "program" / "quiz_pictures" / "dog.jpg"), "JPEG:PNG-dog");
    for (const ImportedPair* pair : {&result.pairs[0], &result.pairs[1], &result.pairs[2]})
        EXPECT_TRUE(pair->answerSound.empty());
    EXPECT_TRUE(result.pairs[2].questionSound.empty());
    EXPECT_TRUE(result.pairs[2].picturePath.empty());
    EXPECT_EQ(result.missingMedia, (std::vector<std::string>{
                                       "gone.wav: not found beside the imported file",
                                       "song.mp3: not copied: the quiz plays WAV sounds",
                                       "../secret.wav: refused: not a file name beside the import",
                                       "/etc/passwd: refused: not a file name beside the import",
                                       "sub/../../x.png: refused: not a file name beside the import",
                                   }));
    EXPECT_FALSE(fs::exists(m_root / "program" / "secret.wav"));

    // Imported again, the same bytes are found where they went and shared.
    ImportResult again = pairsNaming({{"bark.wav", "", "dog.png"}});
    ImportMedia::place(again, source(), program(), convert);
    EXPECT_EQ(again.pairs[0].questionSound, "bark-2.wav");
    EXPECT_EQ(again.pairs[0].picturePath, "dog.jpg");
    EXPECT_FALSE(fs::exists(m_root / "program" / "quiz_sounds" / "bark-3.wav"));
    EXPECT_FALSE(fs::exists(m_root / "program" / "quiz_pictures" / "dog-2.jpg"));

    // Without a converter the picture is said, not copied.
    ImportResult plain = pairsNaming({{"", "", "dog.png"}});
    ImportMedia::place(plain, source(), program());
    EXPECT_TRUE(plain.pairs[0].picturePath.empty());
    EXPECT_EQ(plain.missingMedia, std::vector<std::string>{
                                      "dog.png: not copied: the quiz shows BMP, JPEG, GIF and PCX pictures"});
}

} // namespace
