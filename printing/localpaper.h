#pragma once

#include <QLocale>
#include <QPageSize>

namespace brainlark
{

/// The paper the learner's locale prints on: letter in the countries that use it (the United States,
/// Canada, Mexico and others of the Americas, the Philippines), A4 everywhere else and in the C locale.
class LocalPaper
{
public:
    static QPageSize::PageSizeId forTerritory(QLocale::Territory territory);
    /// The paper of the locale that decides it as the C library does: LC_ALL, else LC_PAPER, else LANG.
    static QPageSize::PageSizeId forEnvironment();
};

} // namespace brainlark
