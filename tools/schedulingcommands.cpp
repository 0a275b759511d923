#include <ostream>

#include <map>

#include "core/filereader.h"
#include "quiz/scheduling/fsrsoptimizer.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"
#include "tools/reviewlog.h"

namespace brainlark::cli
{

namespace
{

// Reads a review log named on the command line; false (with the complaint made) when it cannot.
bool readLog(const std::vector<std::string>& raw, const char* usage, std::vector<LoggedReview>& reviews,
             std::ostream& err, int& code)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 1, usage, err)) {
        code = UsageError;
        return false;
    }
    const std::string& path = args.positionals()[0];
    std::string text;
    std::string reason;
    code = FileError;
    if (!FileReader::read(path, text, &reason)) {
        complain(err, path, reason);
        return false;
    }
    const nlohmann::json log = nlohmann::json::parse(text, nullptr, false);
    if (log.is_discarded()) {
        complain(err, path, "not a JSON review log");
        return false;
    }
    if (!readReviewLog(log, reviews, reason)) {
        complain(err, path, reason);
        return false;
    }
    code = Success;
    return true;
}

nlohmann::json scoreJson(const PredictionScore& score)
{
    return {{"predictions", score.predictions}, {"log_loss", score.logLoss}, {"rmse", score.rmse}};
}

int fsrsOptimize(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    std::vector<LoggedReview> reviews;
    int code = Success;
    if (!readLog(raw, "brainlark-cli fsrs-optimize LOG.json", reviews, err, code))
        return code;
    // Each card's reviews in the log's order; the cards in the order they first appear.
    std::vector<std::vector<PairReview>> pairs;
    std::map<std::string, size_t> index;
    for (const LoggedReview& review : reviews) {
        const auto [it, added] = index.emplace(review.card.dump(), pairs.size());
        if (added)
            pairs.emplace_back();
        pairs[it->second].push_back({review.day, review.grade});
    }
    const FitReport report = FsrsOptimizer::fit(pairs);
    const FsrsWeights& chosen = report.better ? report.weights : FsrsWeights::defaults();
    nlohmann::json result = {{"reviews", report.reviews},
                             {"enough_reviews", report.enoughReviews},
                             {"pairs_fitted", report.trainPairs},
                             {"pairs_held_back", report.heldBackPairs},
                             {"before", scoreJson(report.before)},
                             {"after", scoreJson(report.after)},
                             {"use_fitted", report.better},
                             {"weights", chosen.w}};
    out << result.dump(2) << '\n';
    return Success;
}

int fsrsReplay(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    std::vector<LoggedReview> reviews;
    int code = Success;
    if (!readLog(raw, "brainlark-cli fsrs-replay LOG.json", reviews, err, code))
        return code;
    // One review per line, so that logs of thousands of reviews stay readable and diffable.
    const nlohmann::json replayed = replayReviews(reviews);
    out << '[';
    for (size_t i = 0; i < replayed.size(); ++i)
        out << (i == 0 ? "\n  " : ",\n  ") << replayed[i].dump();
    out << (replayed.empty() ? "]\n" : "\n]\n");
    return Success;
}

} // namespace

std::vector<CliCommand> schedulingCommands()
{
    return {
        {"fsrs-replay", "replay a review log through the spaced-repetition scheduler",
         "usage: brainlark-cli fsrs-replay LOG.json\n\nReplays a review log through the FSRS-6 scheduler "
         "with "
         "its default weights and a desired retention of 0.90, as the program schedules its pairs, and "
         "prints "
         "a JSON array with one object per review, in the log's order: the card, its difficulty and "
         "stability after the review, its recall chance at the review (null for a card's first review) and "
         "the next interval in whole days.\n\nThe log is a JSON array of reviews:\n"
         "  [{\"card\": \"id\", \"grade\": 3, \"time\": \"2026-01-31T08:00:00Z\"}, ...]\n"
         "grade 1 Again, 2 Hard, 3 Good, 4 Easy; time in ISO-8601 with its offset. Elapsed days are whole "
         "calendar days in the time's own offset (0 for a second review on the same day). A malformed log is "
         "refused with one line naming the entry.\n",
         fsrsReplay},
        {"fsrs-optimize", "fit the spaced-repetition weights to a review log",
         "usage: brainlark-cli fsrs-optimize LOG.json\n\nFits the 21 weights of the FSRS-6 scheduler to the "
         "reviews of a log (the format fsrs-replay reads) by gradient descent on the log-loss of the predicted "
         "recall, within the published parameter bounds. Every fifth card is held back and judges the fit: "
         "the log-loss and RMSE of the default weights (before) and the fitted ones (after) on those cards "
         "are printed as JSON with the weights to use. At least 1,000 reviews are needed, and the fitted "
         "weights are used only when they predict the held-back cards better; otherwise the defaults are "
         "printed and use_fitted is false. A review a day or more after the card's previous one is a "
         "prediction, recalled unless its grade is 1.\n",
         fsrsOptimize},
    };
}

} // namespace brainlark::cli
