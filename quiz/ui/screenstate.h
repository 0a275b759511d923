#pragma once

namespace brainlark
{

/// What the quiz screen is busy with. Transitions and the reminder card set it while they run; commands
/// that must not interrupt a slideshow consult it.
enum class ScreenState : int { Running = 1, TransitionRunning = 2, TransitionEnded = 3, CardAnimation = 4, Slideshow = 6 };

} // namespace brainlark
