#pragma once

namespace brainlark
{

/// The four quiz modes, numbered as the "quiz mode" setting stores them.
enum class QuizMode : int { MultipleChoice = 0, TrueFalse = 1, TypeIn = 2, Matching = 3 };

/// How the next question is picked ("question selection mode"). Due asks the pairs the spaced-repetition
/// schedule holds due today.
enum class SelectionMode : int { SmartPick = 0, Sequential = 1, Random = 2, Due = 3 };

/// Where the wrong answer choices come from. Predefined is only in force for lists that carry
/// predefined wrong answers; the settings decide that before the engine is asked.
enum class AnswerMode : int { Random = 0, Predefined = 1 };

/// The seven event sounds, numbered as the sound scheme files are ("w", "r", "card", ...).
enum class EventSound : int { Wrong = 0, Right = 1, Card = 2, Transition = 3, Hint = 4, Happy = 5, Anim = 6 };

} // namespace brainlark
