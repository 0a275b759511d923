#pragma once

namespace brainlark
{

class AppSettings;
class GuideMessages;
class PairList;

/// Decides whether the quiz uses predefined or random wrong answers, after the learner chose one in the
/// menu or the options. Predefined wrong answers are only used for a list that has some; for a list
/// without them the learner is told (guide message 130) when guides is given, and random answers are
/// used while the choice stays "Predefined".
class AnswerSelection
{
public:
    /// Sets the effective answer mode for list (null: no list open, the choice is taken as it is).
    /// Always returns true: the quiz needs a new question.
    static bool check(AppSettings& settings, bool predefined, PairList* list, GuideMessages* guides);
};

} // namespace brainlark
