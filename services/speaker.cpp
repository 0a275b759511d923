#include "services/speaker.h"

#include <algorithm>

namespace brainlark
{

bool Speaker::hasVoiceFor(const QLocale& locale) const
{
    if (state() == State::Unavailable)
        return false;
    const QList<QLocale> locales = availableLocales();
    return std::any_of(locales.begin(), locales.end(),
                       [&locale](const QLocale& voice) { return voice.language() == locale.language(); });
}

} // namespace brainlark
