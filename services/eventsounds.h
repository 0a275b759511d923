#pragma once

#include <QString>
#include <QStringList>

#include "services/soundplayer.h"

namespace brainlark
{

class AppSettings;
class RandomSource;
class Timeline;

/// The seven event sounds played through the learner's sound scheme, and the gate for the pair sounds.
///
/// Switches: "Mute all Brainlark sounds" ("play sounds" 0) silences every sound of the program, the
/// event sounds and the question/answer sounds of the pairs alike, because that is what a learner
/// expects of "mute". "Play funny sounds" (fun flags 0x800) switches only the event sounds (the scheme
/// sounds); pair sounds still play. A scheme of "None" also silences only the event sounds.
class EventSounds
{
public:
    enum Event : int { Wrong = 0, Right = 1, Card = 2, Transition = 3, Hint = 4, Happy = 5, Animation = 6 };
    static constexpr int kEventCount = 7;
    static constexpr int kSchemeCount = 4;

    /// settings gives the scheme, the switches and the program folder ("media/" holds the files).
    EventSounds(const AppSettings& settings, SoundPlayer& player, RandomSource& random);

    /// Plays the event's sound of the current scheme; ended (when given) is called when it has ended, at
    /// once when nothing plays. Nothing plays when muted, when funny sounds are off, for scheme "None" or
    /// when the event has no sound in the scheme.
    void playEventSound(Event event, SoundPlayer::Ended ended = {});

    /// Plays a pair's question or answer sound unless every sound is muted; ended as above.
    void playPairSound(const QString& wavPath, SoundPlayer::Ended ended = {});

    /// Adds the sound to a sequence: waiting until it ends, or only starting it.
    void addEventSound(Timeline& timeline, Event event, bool wait);
    void addPairSound(Timeline& timeline, const QString& wavPath, bool wait);

    /// "%s_%d_%d.wav" with the event name, the scheme and a random variant, or empty when the event
    /// has no sound in the scheme. Each call draws the variant anew.
    QString eventSoundName(int event, int scheme);
    QString eventSoundName(int event);

    static QString schemeName(int scheme);
    QString schemeName() const;
    /// "None", "Cartoons", "Simple", "Cartoons-2".
    static QStringList schemeNames();
    /// A scheme's name as the menus and options show it (in the language of the program's texts).
    static QString shownSchemeName(const QString& name);
    /// The number of recorded variants; 0 or less = the event is silent in that scheme.
    static int variantCount(int scheme, int event);
    static QString eventName(int event);

    /// The folder of the program sounds, ending in '/'.
    QString mediaFolder() const;
    bool eventSoundsOn() const;
    bool pairSoundsOn() const;

private:
    const AppSettings& m_settings;
    SoundPlayer& m_player;
    RandomSource& m_random;
};

} // namespace brainlark
