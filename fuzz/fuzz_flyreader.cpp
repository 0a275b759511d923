// Feeds arbitrary bytes to the list reader. Whatever it accepts must survive a save and a reload unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/flyarchive.h"

namespace
{

// Returns an empty string when the input is either refused cleanly or round-trips; otherwise what went wrong.
std::string checkFlyRoundTrip(const uint8_t* data, size_t size)
{
    using brainlark::FlyArchive;
    using brainlark::PairList;
    PairList list;
    const brainlark::LoadResult first =
        FlyArchive::read(std::string_view(reinterpret_cast<const char*>(data), size), list);
    if (!first)
        return first.error.empty() ? "refused without a reason" : "";
    // Two saves settle the stamps (the first may fill the created stamp, every later one the saved stamp).
    FlyArchive::write(list, "stamp");
    const std::string saved = FlyArchive::write(list, "stamp");
    PairList again;
    const brainlark::LoadResult second = FlyArchive::read(saved, again);
    if (!second)
        return "own output refused: " + second.error;
    const int32_t expectedIndex = list.lastIndex() > 1 ? list.lastIndex() - 2 : list.lastIndex();
    if (again.lastIndex() != expectedIndex)
        return "last index not adjusted once";
    if (again.pairs() != list.pairs() || again.wrongAnswers() != list.wrongAnswers())
        return "pairs or wrong answers changed";
    again.setLastIndex(list.lastIndex());
    if (FlyArchive::write(again, "stamp") != saved)
        return "second save differs from the first";
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = checkFlyRoundTrip(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "flyreader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
