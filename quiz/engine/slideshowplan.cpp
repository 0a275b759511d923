#include "quiz/engine/slideshowplan.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace brainlark
{

namespace
{

using Action = SlideshowPlan::Step::Action;

void add(std::vector<SlideshowPlan::Step>& steps, Action action, int ms = 0)
{
    if (action == Action::Pause && ms <= 0)
        return;
    steps.push_back({action, ms});
}

} // namespace

std::string SlideshowPlan::Step::toString() const
{
    switch (action) {
    case Action::DrawCard:
        return "card " + std::to_string(ms);
    case Action::Pause:
        return "pause " + std::to_string(ms);
    case Action::PlayQuestionSound:
        return "question sound";
    case Action::PlayAnswerSound:
        return "answer sound";
    case Action::ShowAnswer:
        return "answer";
    case Action::CardLeaves:
        return "leave " + std::to_string(ms);
    }
    return "?";
}

SlideshowPlan::SlideshowPlan(int storedDelay)
    : m_manual(storedDelay <= 0), m_seconds(static_cast<int>(std::min(std::labs(storedDelay), 3600L)))
{
}

std::vector<int> SlideshowPlan::order(int n, bool randomOrder, RandomSource& random)
{
    std::vector<int> cards;
    for (int i = 0; i < n; ++i)
        cards.push_back(i);
    if (!randomOrder)
        return cards;
    // Fisher-Yates over the whole order: every arrangement equally likely, the last cards included.
    for (int i = n - 1; i > 0; --i)
        std::swap(cards[static_cast<size_t>(i)], cards[random.below(static_cast<uint32_t>(i + 1))]);
    return cards;
}

std::vector<SlideshowPlan::Step> SlideshowPlan::card(const CardInput& input, int soundPause,
                                                     int afterQuestionSound, int answerSoundPause) const
{
    const AppFlags& f = input.flags;
    const bool questionSound = f.fun(AppFlags::SlideQuestionSound);
    std::vector<Step> steps;
    add(steps, Action::DrawCard, f.fun(AppFlags::SlideAnimations) ? CardEntryMs : 0);
    if (questionSound) {
        add(steps, Action::Pause, soundPause);
        add(steps, Action::PlayQuestionSound);
        add(steps, Action::Pause, afterQuestionSound);
    }
    if (f.fun(AppFlags::SlideDelayAnswer)) {
        add(steps, Action::Pause, answerDelayMs());
        add(steps, Action::ShowAnswer);
    }
    if (f.fun(AppFlags::SlideAnswerSound) && input.hasAnswerSound) {
        if (!questionSound)
            add(steps, Action::Pause, answerSoundPause);
        add(steps, Action::PlayAnswerSound);
    }
    return steps;
}

std::vector<SlideshowPlan::Step> SlideshowPlan::manualCard(const CardInput& input) const
{
    return card(input, 500, 300, 300);
}

std::vector<SlideshowPlan::Step> SlideshowPlan::automaticCard(const CardInput& input) const
{
    std::vector<Step> steps = card(input, 200, 200, 200);
    add(steps, Action::Pause, cardMs());
    if (input.flags.fun(AppFlags::SlideAnimations))
        add(steps, Action::CardLeaves, CardExitMs);
    return steps;
}

std::vector<SlideshowPlan::Step> SlideshowPlan::manualExit(const AppFlags& flags)
{
    std::vector<Step> steps;
    if (flags.fun(AppFlags::SlideAnimations))
        add(steps, Action::CardLeaves, CardExitMs);
    return steps;
}

int SlideshowPlan::plannedMs(const std::vector<Step>& steps)
{
    int total = 0;
    for (const Step& step : steps)
        total += step.ms;
    return total;
}

} // namespace brainlark
