#pragma once

#include <QString>

namespace brainlark
{

/// The help pages shipped in the program folder: one page, one anchor per help context.
class HelpPages
{
public:
    /// file:// address of the help page at the topic of a help context (0 = the start of the page).
    static QString url(const QString& programFolder, int context);
};

} // namespace brainlark
