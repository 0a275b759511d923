#include <ostream>

#include "core/filereader.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"
#include "tools/reviewlog.h"

namespace brainlark::cli
{

namespace
{

int fsrsReplay(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 1, "brainlark-cli fsrs-replay LOG.json", err))
        return UsageError;
    const std::string& path = args.positionals()[0];
    std::string text;
    std::string reason;
    if (!FileReader::read(path, text, &reason)) {
        complain(err, path, reason);
        return FileError;
    }
    const nlohmann::json log = nlohmann::json::parse(text, nullptr, false);
    if (log.is_discarded()) {
        complain(err, path, "not a JSON review log");
        return FileError;
    }
    std::vector<LoggedReview> reviews;
    if (!readReviewLog(log, reviews, reason)) {
        complain(err, path, reason);
        return FileError;
    }
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
    };
}

} // namespace brainlark::cli
