#pragma once

#include <cstdint>

namespace brainlark
{

/// The two option-bit words "fun flags" and "fun flags 2" as the quiz engine reads them.
/// A bit counts as set only when (word & mask), taken as a signed 32-bit number, is greater than 0,
/// so bit 0x80000000 never reads as set.
class AppFlags
{
public:
    // "fun flags"
    static constexpr uint32_t HintSound = 0x1;
    static constexpr uint32_t ReminderCard = 0x2;
    static constexpr uint32_t Transition = 0x4;
    static constexpr uint32_t UpbeatMusic = 0x8;
    static constexpr uint32_t ReverseOnAlert = 0x10;
    static constexpr uint32_t SmartCounter = 0x20;
    static constexpr uint32_t AnimateNewQuestion = 0x40;
    static constexpr uint32_t BannerAnimation = 0x80;
    static constexpr uint32_t SlideQuestionSound = 0x100;
    static constexpr uint32_t SlideAnswerSound = 0x200;
    static constexpr uint32_t AutoPlayQuestionSound = 0x400;
    static constexpr uint32_t FunnySounds = 0x800;
    static constexpr uint32_t RoundCorners = 0x1000;
    static constexpr uint32_t SlideAnimations = 0x2000;
    static constexpr uint32_t SlideRandomOrder = 0x4000;
    static constexpr uint32_t SlideShowTitle = 0x8000;
    static constexpr uint32_t HideText = 0x10000;
    static constexpr uint32_t SlideDelayAnswer = 0x20000;
    static constexpr uint32_t PredefinedAnswers = 0x80000;
    static constexpr uint32_t ContinueAfterWrong = 0x100000;
    static constexpr uint32_t ShowPictureAutomatically = 0x200000;
    static constexpr uint32_t PatternShadow = 0x800000;
    static constexpr uint32_t KeepTrying = 0x4000000;
    static constexpr uint32_t IgnoreCase = 0x8000000;
    static constexpr uint32_t IgnoreSpaces = 0x10000000;
    static constexpr uint32_t IgnorePunctuation = 0x20000000;
    static constexpr uint32_t ClearAnswerField = 0x40000000;
    // "fun flags 2"
    static constexpr uint32_t TypeinReminderCard = 0x1;
    static constexpr uint32_t CenterText = 0x2;
    static constexpr uint32_t CustomBackground = 0x4;
    static constexpr uint32_t MatchingWiderLine = 0x8;

    constexpr AppFlags() = default;
    constexpr AppFlags(uint32_t funFlags, uint32_t funFlags2) : m_fun(funFlags), m_fun2(funFlags2) {}

    /// The signed bit test shared by every option word.
    static constexpr bool isSet(uint32_t word, uint32_t mask)
    {
        return static_cast<int32_t>(word & mask) > 0;
    }

    constexpr bool fun(uint32_t mask) const { return isSet(m_fun, mask); }
    constexpr bool fun2(uint32_t mask) const { return isSet(m_fun2, mask); }
    constexpr uint32_t funFlags() const { return m_fun; }
    constexpr uint32_t funFlags2() const { return m_fun2; }
    void setFun(uint32_t mask, bool on) { m_fun = on ? (m_fun | mask) : (m_fun & ~mask); }
    void setFun2(uint32_t mask, bool on) { m_fun2 = on ? (m_fun2 | mask) : (m_fun2 & ~mask); }

private:
    uint32_t m_fun = 0;
    uint32_t m_fun2 = 0;
};

} // namespace brainlark
