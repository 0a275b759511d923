#pragma once

#include <string>

namespace brainlark
{

/// A message for the learner produced by an export. The exports never show anything themselves; the
/// application shows these (error → exclamation/stop box, otherwise an information box) and the
/// command-line tool prints them.
struct ExportMessage {
    std::string text;
    bool isError = false;

    bool operator==(const ExportMessage& other) const
    {
        return text == other.text && isError == other.isError;
    }
};

} // namespace brainlark
