#pragma once

namespace brainlark
{

class Clock;
class RandomSource;
class Prompter;
class ShellOpener;
class Scheduler;
class SoundPlayer;
class Speaker;

/// The outside world as the application sees it. The application owns the real implementations; tests
/// hand in fakes. Every member is non-null while the program runs.
struct Services {
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    Prompter* prompter = nullptr;
    ShellOpener* shell = nullptr;
    Scheduler* scheduler = nullptr;
    SoundPlayer* sound = nullptr;
    Speaker* speaker = nullptr;
};

} // namespace brainlark
