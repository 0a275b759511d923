#include "services/eventsounds.h"

#include "services/timeline.h"
#include "settings/appsettings.h"
#include "services/soundplayer.h"
#include "core/randomsource.h"

#include <QCoreApplication>

namespace brainlark
{

namespace
{

const char* const kEventNames[EventSounds::kEventCount] = {"w",    "r",     "card", "tranz",
                                                           "hint", "happy", "anim"};
const char* const kSchemeNames[EventSounds::kSchemeCount] = {
    QT_TRANSLATE_NOOP("brainlark::EventSounds", "None"),
    QT_TRANSLATE_NOOP("brainlark::EventSounds", "Cartoons"),
    QT_TRANSLATE_NOOP("brainlark::EventSounds", "Simple"),
    QT_TRANSLATE_NOOP("brainlark::EventSounds", "Cartoons-2")};

// Variants per scheme and event; 0 or less = silent.
const int kVariants[EventSounds::kSchemeCount][EventSounds::kEventCount] = {
    {1, 1, 1, 1, 1, 1, 1},
    {15, 6, 5, 6, 3, 1, 2},
    {1, 2, -1, 1, -1, -1, 1},
    {7, 5, -1, 1, -1, -1, 1},
};

// Four sounds were never recorded for their schemes and borrow the Cartoons ones.
struct Replacement {
    const char* missing;
    const char* used;
};
const Replacement kReplacements[] = {
    {"tranz_2_0.wav", "tranz_1_1.wav"},
    {"tranz_3_0.wav", "tranz_1_1.wav"},
    {"anim_2_0.wav", "anim_1_0.wav"},
    {"anim_3_0.wav", "anim_1_0.wav"},
};

int wrap(int value, int modulus)
{
    return ((value % modulus) + modulus) % modulus;
}

} // namespace

EventSounds::EventSounds(const AppSettings& settings, SoundPlayer& player, RandomSource& random)
    : m_settings(settings), m_player(player), m_random(random)
{
}

bool EventSounds::pairSoundsOn() const
{
    return m_settings.playSounds();
}

bool EventSounds::eventSoundsOn() const
{
    return m_settings.playSounds() && m_settings.funFlag(funflags::kFunnySounds) &&
           m_settings.soundTheme() != 0;
}

void EventSounds::playEventSound(Event event, SoundPlayer::Ended ended)
{
    const QString name = eventSoundsOn() ? eventSoundName(event) : QString();
    if (name.isEmpty()) {
        if (ended)
            ended();
        return;
    }
    m_player.play(mediaFolder() + name, std::move(ended));
}

void EventSounds::playPairSound(const QString& wavPath, SoundPlayer::Ended ended)
{
    if (pairSoundsOn() && !wavPath.isEmpty())
        m_player.play(wavPath, std::move(ended));
    else if (ended)
        ended();
}

void EventSounds::addEventSound(Timeline& timeline, Event event, bool wait)
{
    if (wait)
        timeline.waitFor([this, event](const Timeline::Done& done) { playEventSound(event, done); });
    else
        timeline.call([this, event] { playEventSound(event); });
}

void EventSounds::addPairSound(Timeline& timeline, const QString& wavPath, bool wait)
{
    if (wait)
        timeline.waitFor([this, wavPath](const Timeline::Done& done) { playPairSound(wavPath, done); });
    else
        timeline.call([this, wavPath] { playPairSound(wavPath); });
}

QString EventSounds::eventSoundName(int event, int scheme)
{
    // The generator is seeded once for the run: reseeding from the clock on every call would pick the
    // same variant for every sound within one second.
    const int schemeIndex = wrap(scheme, kSchemeCount);
    const int eventIndex = wrap(event, kEventCount);
    const int count = kVariants[schemeIndex][eventIndex];
    if (count <= 0)
        return QString();
    const int variant = int(m_random.below(uint32_t(count)));
    QString name = QStringLiteral("%1_%2_%3.wav").arg(QLatin1String(kEventNames[eventIndex])).arg(schemeIndex).arg(variant);
    for (const Replacement& replacement : kReplacements) {
        if (name == QLatin1String(replacement.missing))
            name = QLatin1String(replacement.used);
    }
    return name;
}

QString EventSounds::eventSoundName(int event)
{
    return eventSoundName(event, m_settings.soundTheme());
}

QString EventSounds::schemeName(int scheme)
{
    return QLatin1String(kSchemeNames[wrap(scheme, kSchemeCount)]);
}

QString EventSounds::schemeName() const
{
    return schemeName(m_settings.soundTheme());
}

QString EventSounds::shownSchemeName(const QString& name)
{
    return QCoreApplication::translate("brainlark::EventSounds", name.toUtf8().constData());
}

QStringList EventSounds::schemeNames()
{
    QStringList names;
    for (const char* name : kSchemeNames)
        names.append(QLatin1String(name));
    return names;
}

int EventSounds::variantCount(int scheme, int event)
{
    return kVariants[wrap(scheme, kSchemeCount)][wrap(event, kEventCount)];
}

QString EventSounds::eventName(int event)
{
    return QLatin1String(kEventNames[wrap(event, kEventCount)]);
}

QString EventSounds::mediaFolder() const
{
    QString folder = m_settings.installPath();
    while (folder.endsWith('/'))
        folder.chop(1);
    return folder + QStringLiteral("/media/");
}

} // namespace brainlark
