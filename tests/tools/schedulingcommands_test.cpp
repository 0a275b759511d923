// brainlark-cli fsrs-replay: a review log replayed through the scheduler, and malformed logs refused with
// one line naming the entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "clirun.h"
#include "quiz/scheduling/fsrsweights.h"

namespace fs = std::filesystem;
using brainlark::testing::runCommandOf;

namespace
{

class FsrsReplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("brainlark-replay-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    brainlark::testing::CliOutcome replay(const std::string& log)
    {
        const fs::path path = m_dir / "log.json";
        std::ofstream(path, std::ios::binary) << log;
        return runCommandOf(brainlark::cli::schedulingCommands(), "fsrs-replay", {path.string()});
    }

    fs::path m_dir;
};

} // namespace

TEST_F(FsrsReplay, PrintsEachReviewsStateInInputOrderWithCalendarDaysInTheTimesOffset)
{
    // Card a: 23:30 on the 31st and 00:10 on 2 February in +02:00 are two calendar days apart there.
    // Card b: two lapses the same day (UTC). Values from the formulas with the default weights.
    const auto result = replay(R"([
        {"card": "a", "grade": 3, "time": "2026-01-31T23:30:00+02:00"},
        {"card": "b", "grade": 1, "time": "2026-01-31T08:00:00Z"},
        {"card": "a", "grade": 3, "time": "2026-02-02T00:10:00+02:00"},
        {"card": "b", "grade": 1, "time": "2026-01-31T20:00:00.250Z"},
        {"card": 7, "grade": 4, "time": "2026-03-01T12:00:00-0500"}])");
    ASSERT_EQ(result.code, 0) << result.err;
    const nlohmann::json out = nlohmann::json::parse(result.out);
    ASSERT_EQ(out.size(), 5u);
    struct {
        nlohmann::json card;
        double difficulty, stability;
        double retrievability; // < 0: null
        int interval;
    } const expected[] = {
        {"a", 2.118104, 2.3065, -1, 2},
        {"b", 6.4133, 0.212, -1, 1},
        {"a", 2.111214, 10.964332, 0.909493, 11},
        {"b", 8.806304, 0.083357, 1.0, 1},
        {7, 1.0, 8.2956, -1, 8},
    };
    for (size_t i = 0; i < out.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(out[i]["card"], expected[i].card);
        EXPECT_NEAR(out[i]["difficulty"].get<double>(), expected[i].difficulty, 1e-5);
        EXPECT_NEAR(out[i]["stability"].get<double>(), expected[i].stability, 1e-5);
        if (expected[i].retrievability < 0) {
            EXPECT_TRUE(out[i]["retrievability"].is_null());
        } else {
            EXPECT_NEAR(out[i]["retrievability"].get<double>(), expected[i].retrievability, 1e-5);
        }
        EXPECT_EQ(out[i]["interval"], expected[i].interval);
    }
    EXPECT_EQ(replay("[]").out, "[]\n");
}

TEST_F(FsrsReplay, RefusesAMalformedLogWithOneLineNamingTheEntry)
{
    const std::string good = R"({"card": "a", "grade": 3, "time": "2026-01-31T08:00:00Z"})";
    struct {
        std::string log;
        std::string says;
    } const cases[] = {
        {"not json", "not a JSON review log"},
        {R"({"card": "a"})", "a review log is a JSON array"},
        {"[" + good + ", 5]", "entry 2: not an object"},
        {"[" + good + R"(, {"grade": 3, "time": "2026-01-31T08:00:00Z"}])", "entry 2: \"card\""},
        {R"([{"card": "", "grade": 3, "time": "2026-01-31T08:00:00Z"}])", "entry 1: \"card\""},
        {R"([{"card": "a", "grade": 5, "time": "2026-01-31T08:00:00Z"}])", "entry 1: \"grade\""},
        {R"([{"card": "a", "grade": 2.5, "time": "2026-01-31T08:00:00Z"}])", "entry 1: \"grade\""},
        {R"([{"card": "a", "grade": "3", "time": "2026-01-31T08:00:00Z"}])", "entry 1: \"grade\""},
        {R"([{"card": "a", "grade": 3, "time": "2026-01-31T08:00:00"}])", "entry 1: \"time\""},
        {R"([{"card": "a", "grade": 3, "time": "2026-02-30T08:00:00Z"}])", "entry 1: \"time\""},
        {R"([{"card": "a", "grade": 3, "time": "2026-01-31 08:00:00Z"}])", "entry 1: \"time\""},
        {R"([{"card": "a", "grade": 3, "time": 1769846400}])", "entry 1: \"time\""},
        {"[" + good + R"(, {"card": "a", "grade": 3, "time": "2026-01-30T08:00:00Z"}])",
         "entry 2: its day lies before the card's previous review"},
    };
    for (const auto& c : cases) {
        const auto result = replay(c.log);
        EXPECT_EQ(result.code, 2) << c.log;
        EXPECT_TRUE(result.out.empty()) << c.log;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << c.log << " -> " << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

// brainlark-cli fsrs-optimize: a log too short to fit keeps the default weights and says so; the report
// names the held-back cards' scores before and after.
TEST_F(FsrsReplay, OptimizeReportsScoresAndKeepsTheDefaultsForAShortLog)
{
    nlohmann::json log = nlohmann::json::array();
    for (int card = 0; card < 10; ++card)
        for (int day = 1; day <= 5; ++day)
            log.push_back({{"card", card}, {"grade", day % 3 == 0 ? 1 : 3},
                           {"time", "2026-01-0" + std::to_string(day * 2 - 1) + "T08:00:00Z"}});
    const fs::path path = m_dir / "log.json";
    std::ofstream(path, std::ios::binary) << log.dump();
    const auto outcome = runCommandOf(brainlark::cli::schedulingCommands(), "fsrs-optimize", {path.string()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const nlohmann::json report = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(report["reviews"], 50);
    EXPECT_EQ(report["enough_reviews"], false);
    EXPECT_EQ(report["use_fitted"], false);
    EXPECT_EQ(report["pairs_held_back"], 2);
    EXPECT_EQ(report["before"]["predictions"], 8); // two held-back cards, four later reviews each
    EXPECT_EQ(report["weights"].size(), 21u);
    EXPECT_EQ(report["weights"][0], brainlark::FsrsWeights::defaults().w[0]);
}
