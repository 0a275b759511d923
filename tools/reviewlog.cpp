#include "tools/reviewlog.h"

#include <cctype>
#include <cstring>
#include <map>

#include "quiz/scheduling/fsrsscheduler.h"
#include "quiz/scheduling/localday.h"

namespace brainlark::cli
{

namespace
{

int daysInMonth(int64_t year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Reads exactly `count` digits at `at`.
bool digits(const std::string& text, size_t& at, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++at) {
        if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at])))
            return false;
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

bool expect(const std::string& text, size_t& at, const char* oneOf)
{
    if (at >= text.size() || !std::strchr(oneOf, text[at]))
        return false;
    ++at;
    return true;
}

bool offsetAt(const std::string& text, size_t at)
{
    if (at < text.size() && (text[at] == 'Z' || text[at] == 'z'))
        return at + 1 == text.size();
    if (!expect(text, at, "+-"))
        return false;
    int hours = 0;
    int minutes = 0;
    if (!digits(text, at, 2, hours) || hours > 23)
        return false;
    if (at < text.size() && text[at] == ':')
        ++at;
    return digits(text, at, 2, minutes) && minutes <= 59 && at == text.size();
}

std::string entryError(size_t index, const std::string& what)
{
    return "entry " + std::to_string(index + 1) + ": " + what;
}

} // namespace

bool calendarDayOf(const std::string& time, int64_t& day)
{
    size_t at = 0;
    int year = 0, month = 0, dayOfMonth = 0, hour = 0, minute = 0, second = 0;
    if (!digits(time, at, 4, year) || !expect(time, at, "-") || !digits(time, at, 2, month) ||
        !expect(time, at, "-") || !digits(time, at, 2, dayOfMonth) || !expect(time, at, "Tt") ||
        !digits(time, at, 2, hour) || !expect(time, at, ":") || !digits(time, at, 2, minute))
        return false;
    if (at < time.size() && time[at] == ':') {
        ++at;
        // 60: a leap second.
        if (!digits(time, at, 2, second) || second > 60)
            return false;
        if (at < time.size() && (time[at] == '.' || time[at] == ',')) {
            const size_t start = ++at;
            while (at < time.size() && std::isdigit(static_cast<unsigned char>(time[at])))
                ++at;
            if (at == start)
                return false;
        }
    }
    if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > daysInMonth(year, month) || hour > 23 ||
        minute > 59 || !offsetAt(time, at))
        return false;
    day = LocalDay::fromDate(year, month, dayOfMonth);
    return true;
}

bool readReviewLog(const nlohmann::json& log, std::vector<LoggedReview>& reviews, std::string& error)
{
    if (!log.is_array()) {
        error = "a review log is a JSON array of reviews";
        return false;
    }
    std::map<std::string, int64_t> lastDay;
    for (size_t i = 0; i < log.size(); ++i) {
        const nlohmann::json& entry = log[i];
        if (!entry.is_object()) {
            error = entryError(i, "not an object with \"card\", \"grade\" and \"time\"");
            return false;
        }
        LoggedReview review;
        const auto card = entry.find("card");
        if (card == entry.end() || !(card->is_string() || card->is_number_integer()) ||
            (card->is_string() && card->get<std::string>().empty())) {
            error = entryError(i, "\"card\" must be a non-empty text or a whole number");
            return false;
        }
        review.card = *card;
        const auto grade = entry.find("grade");
        if (grade == entry.end() || !grade->is_number_integer() || grade->get<int64_t>() < 1 ||
            grade->get<int64_t>() > 4) {
            error = entryError(i, "\"grade\" must be a whole number from 1 to 4");
            return false;
        }
        review.grade = static_cast<ReviewGrade>(grade->get<int>());
        const auto time = entry.find("time");
        if (time == entry.end() || !time->is_string() ||
            !calendarDayOf(time->get<std::string>(), review.day)) {
            error = entryError(i, "\"time\" must be an ISO-8601 date and time with an offset, such as "
                                  "\"2026-01-31T08:00:00Z\" or \"2026-01-31T09:00:00+01:00\"");
            return false;
        }
        const std::string key = review.card.dump();
        const auto previous = lastDay.find(key);
        if (previous != lastDay.end() && review.day < previous->second) {
            error = entryError(i, "its day lies before the card's previous review");
            return false;
        }
        lastDay[key] = review.day;
        reviews.push_back(std::move(review));
    }
    return true;
}

nlohmann::json replayReviews(const std::vector<LoggedReview>& reviews)
{
    const FsrsScheduler scheduler;
    std::map<std::string, PairSchedule> cards;
    nlohmann::json result = nlohmann::json::array();
    for (const LoggedReview& review : reviews) {
        PairSchedule& schedule = cards[review.card.dump()];
        const ReviewStep step = scheduler.review(schedule, review.day, review.grade);
        schedule = step.schedule;
        nlohmann::json line = nlohmann::json::object();
        line["card"] = review.card;
        line["difficulty"] = step.schedule.memory.difficulty;
        line["stability"] = step.schedule.memory.stability;
        line["retrievability"] =
            step.retrievability ? nlohmann::json(*step.retrievability) : nlohmann::json();
        line["interval"] = step.interval;
        result.push_back(std::move(line));
    }
    return result;
}

} // namespace brainlark::cli
