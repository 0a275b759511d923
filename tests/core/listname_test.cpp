#include "core/listname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using brainlark::ListName;
using Outcome = brainlark::ListName::Outcome;

namespace
{

struct NameCase {
    const char* typed;
    Outcome outcome;
    char forbidden;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << '"' << c.typed << '"';
}

class ListNameRules : public testing::TestWithParam<NameCase>
{
};

TEST_P(ListNameRules, ChecksTheTypedName)
{
    const NameCase& c = GetParam();
    const ListName::Check check = ListName::check("/nonexistent-folder", c.typed);
    EXPECT_EQ(check.outcome, c.outcome);
    EXPECT_EQ(check.forbidden, c.forbidden);
    EXPECT_EQ(check.name, c.name);
    if (c.outcome == Outcome::Forbidden) {
        EXPECT_EQ(check.message, ListName::forbiddenMessage(c.forbidden));
        EXPECT_TRUE(check.path.empty());
    }
    if (c.outcome == Outcome::Ready) {
        EXPECT_EQ(check.path, "/nonexistent-folder/" + std::string(c.name) + ".fly");
        EXPECT_FALSE(check.exists);
    }
}

const NameCase NameCases[] = {
    {"", Outcome::Empty, 0, ""},
    {"   ", Outcome::Empty, 0, ""},
    {" \t\r\n", Outcome::Empty, 0, ""},
    {"Capitals", Outcome::Ready, 0, "Capitals"},
    {"  South America  ", Outcome::Ready, 0, "South America"},
    {"Espa\xF1"
     "ol 1",
     Outcome::Ready, 0,
     "Espa\xF1"
     "ol 1"},
    {"a/b", Outcome::Forbidden, '/', "a/b"},
    {"a\\b", Outcome::Forbidden, '\\', "a\\b"},
    {"100% #1", Outcome::Forbidden, '%', "100% #1"},
    {"#1 100%", Outcome::Forbidden, '#', "#1 100%"},
    {"what?", Outcome::Forbidden, '?', "what?"},
    {"*", Outcome::Forbidden, '*', "*"},
    {"c:", Outcome::Forbidden, ':', "c:"},
    {"<a>", Outcome::Forbidden, '<', "<a>"},
    {"a>", Outcome::Forbidden, '>', "a>"},
    {"a|b", Outcome::Forbidden, '|', "a|b"},
    {"a;b", Outcome::Forbidden, ';', "a;b"},
    // The field takes 30 characters; what is beyond never reaches the check.
    {"123456789012345678901234567890/", Outcome::Ready, 0, "123456789012345678901234567890"},
    {"12345678901234567890123456789 x", Outcome::Ready, 0, "12345678901234567890123456789"},
    // Characters, not bytes: a name ending in an umlaut keeps it whole.
    {"12345678901234567890123456789\xC3\xBC", Outcome::Ready, 0, "12345678901234567890123456789\xC3\xBC"},
    {"1234567890123456789012345678\xC3\xBC\xC3\xBCx", Outcome::Ready, 0,
     "1234567890123456789012345678\xC3\xBC\xC3\xBC"},
};
INSTANTIATE_TEST_SUITE_P(Names, ListNameRules, testing::ValuesIn(NameCases));

TEST(ListNameTest, ForbiddenMessageNamesTheCharacter)
{
    EXPECT_EQ(ListName::forbiddenMessage('/'),
              "Please make sure that Q&A-list name does not contain any ' / ' characters");
    EXPECT_EQ(ListName::check("/data", "x#%").message,
              "Please make sure that Q&A-list name does not contain any ' # ' characters");
}

TEST(ListNameTest, ListPathJoinsFolderNameAndExtension)
{
    EXPECT_EQ(ListName::listPath("/home/me/data", "Capitals"), "/home/me/data/Capitals.fly");
}

TEST(ListNameTest, ExistingListIsReported)
{
    const auto dir =
        std::filesystem::temp_directory_path() / ("brainlark-listname-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Capitals.fly") << "x";
    const ListName::Check existing = ListName::check(dir.string(), " Capitals ");
    EXPECT_EQ(existing.outcome, Outcome::Ready);
    EXPECT_TRUE(existing.exists);
    EXPECT_EQ(existing.path, (dir / "Capitals.fly").string());
    const ListName::Check other = ListName::check(dir.string(), "capitals");
    EXPECT_FALSE(other.exists); // case differences follow the file system
    std::filesystem::remove_all(dir);
}

} // namespace
