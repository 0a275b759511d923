#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "quiz/scheduling/reviewgrade.h"

namespace brainlark::cli
{

/// One entry of a review log: `{"card": "id", "grade": 1-4, "time": "2026-01-31T08:00:00Z"}`.
struct LoggedReview {
    nlohmann::json card; ///< a string or an integer, printed back as given
    ReviewGrade grade = ReviewGrade::Good;
    int64_t day = 0; ///< the calendar day of the time in its own offset, as a day number (LocalDay)
};

/// Reads and checks a review log. On the first malformed entry it stops with one line naming it
/// ("entry 3: ...") in `error`.
bool readReviewLog(const nlohmann::json& log, std::vector<LoggedReview>& reviews, std::string& error);

/// The calendar day of an ISO-8601 date and time with a UTC offset ("2026-01-31T08:00:00Z",
/// "2026-01-31T23:30:00+02:00") in that offset, as a day number (LocalDay). False for anything else.
bool calendarDayOf(const std::string& time, int64_t& day);

/// Replays the reviews through the FSRS-6 scheduler with the default weights and desired retention 0.90:
/// one object per review, in input order, with the card, difficulty, stability, the recall chance at the
/// review (null for a card's first) and the next interval in days.
nlohmann::json replayReviews(const std::vector<LoggedReview>& reviews);

} // namespace brainlark::cli
