#pragma once

#include "services/pauser.h"

namespace brainlark
{

/// The real pause: paints what is pending, then waits in a local event loop that leaves user input
/// queued (timers and painting go on, clicks and keys wait until the pause is over).
class EventLoopPauser : public Pauser
{
public:
    void pause(int ms) override;
};

} // namespace brainlark
