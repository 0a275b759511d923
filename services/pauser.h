#pragma once

namespace brainlark
{

/// Synchronous pauses of the feedback sequences: repaint what changed, then wait ms milliseconds while
/// user input waits. Tests record the timeline instead of waiting.
class Pauser
{
public:
    virtual ~Pauser() = default;
    virtual void pause(int ms) = 0;
};

} // namespace brainlark
