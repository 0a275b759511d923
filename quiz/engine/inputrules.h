#pragma once

namespace brainlark
{

/// What the quiz screen is doing, as far as input is concerned.
enum class Activity {
    Resting,     ///< a question, a board or a message waits for the learner
    Answering,   ///< the feedback of a judged answer, the next question's entry, a transition
    Revealing,   ///< the automatic answer pulses over the question
    MatchRound,  ///< a matching board is judged or skipped and the next round is dealt
    ShowOpening, ///< the slideshow's opening transition and title
    ShowCard,    ///< a slideshow card comes, plays its sounds or leaves
    ShowResting, ///< a slideshow card rests on the screen
};

/// What the learner did.
enum class Input {
    Answer,   ///< an answer key or click, a key typed into the answer field, a board line, a card advance
    Command,  ///< Start, Flip, a mode, Try, Skip, a menu command, opening a list or a view
    Escape,   ///< the Escape key
    StopShow, ///< the slideshow's stop button
    Drop,     ///< a file dropped on the window
    Close,    ///< closing the window or Exit
    Resize,   ///< the window changed its size
    Harmless, ///< input that changes nothing on the screen (help, mouse moves, mute)
};

/// What becomes of it.
enum class Response {
    Take,   ///< handled now
    Ignore, ///< nothing happens (it has no meaning now)
    Refuse, ///< nothing happens, and the learner is told to wait
    Defer,  ///< handled as soon as the screen is at rest again
    Stop,   ///< what plays stops at once, the screen comes to rest, then the input is handled
};

/// The one table of what input means while something plays on the quiz screen.
Response respond(Activity activity, Input input);

const char* toString(Activity activity);

} // namespace brainlark
