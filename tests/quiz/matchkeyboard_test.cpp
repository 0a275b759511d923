#include "quiz/engine/matchkeyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using Key = MatchKeyboard::Key;
using Effect = MatchKeyboard::Effect;
using Lines = std::vector<std::string>;

constexpr int Q = MatchBox::Questions;
constexpr int A = MatchBox::Answers;

Lines drawn(const MatchGame& game)
{
    Lines out;
    for (const MatchLine& line : game.lines())
        out.push_back("q" + std::to_string(line.questionEnd().row) + "-a" + std::to_string(line.answerEnd().row));
    return out;
}

struct Case {
    const char* what;
    std::vector<Key> keys;
    Effect last;
    MatchBox focus;
    Lines lines;
};

TEST(MatchKeyboard, KeysMoveThroughTheBoxesAndConnectThem)
{
    const Case cases[] = {
        {"down twice, clamped at the bottom", {Key::Down, Key::Down, Key::Down, Key::Down}, Effect::Moved,
         {Q, 3}, {}},
        {"up stays at the top", {Key::Up}, Effect::Moved, {Q, 0}, {}},
        {"enter picks: the focus goes to the answers, level with the question", {Key::Down, Key::Enter},
         Effect::Picked, {A, 1}, {}},
        {"right picks too", {Key::Right}, Effect::Picked, {A, 0}, {}},
        {"connect, then on to the next open question", {Key::Enter, Key::Down, Key::Down, Key::Enter},
         Effect::Connected, {Q, 1}, {"q0-a2"}},
        {"the last open question is found from the top", {Key::Down, Key::Down, Key::Down, Key::Enter, Key::Enter},
         Effect::Connected, {Q, 0}, {"q3-a3"}},
        {"left goes back without a line", {Key::Down, Key::Enter, Key::Down, Key::Left}, Effect::Cancelled,
         {Q, 1}, {}},
        {"escape too", {Key::Enter, Key::Escape}, Effect::Cancelled, {Q, 0}, {}},
        {"delete removes the focused box's line", {Key::Enter, Key::Enter, Key::Up, Key::Delete},
         Effect::Removed, {Q, 0}, {}},
        {"delete on a box without a line", {Key::Delete}, Effect::Moved, {Q, 0}, {}},
        {"a connected question is picked again, level with it",
         {Key::Enter, Key::Down, Key::Down, Key::Enter, Key::Up, Key::Enter}, Effect::Picked, {A, 0},
         {"q0-a2"}},
        {"reconnecting replaces the line",
         {Key::Enter, Key::Enter, Key::Enter, Key::Up, Key::Enter}, Effect::Connected, {Q, 2},
         {"q1-a0"}},
        {"try and skip", {Key::Down, Key::Try}, Effect::PressTry, {Q, 1}, {}},
        {"skip", {Key::Skip}, Effect::PressSkip, {Q, 0}, {}},
    };
    PairList list = test::makeList(6);
    SeededRandom random(2);
    for (const Case& c : cases) {
        MatchGame game;
        list.setLastIndex(0);
        game.newRound(MatchBoard::build(list, 4, SelectionMode::Sequential, random));
        MatchKeyboard keyboard;
        keyboard.reset();
        EXPECT_TRUE(keyboard.isVisible()); // shown from the start: the first key moves it from where it is seen
        Effect effect = Effect::None;
        for (Key key : c.keys)
            effect = keyboard.press(key, game);
        EXPECT_TRUE(keyboard.isVisible()) << c.what;
        EXPECT_EQ(effect, c.last) << c.what;
        EXPECT_EQ(keyboard.focus(), c.focus) << c.what;
        EXPECT_EQ(drawn(game), c.lines) << c.what;
    }
}

TEST(MatchKeyboard, TheMouseDropsAPickAndTheFocusStaysShown)
{
    PairList list = test::makeList(6);
    SeededRandom random(2);
    MatchGame game;
    game.newRound(MatchBoard::build(list, 3, SelectionMode::Sequential, random));
    MatchKeyboard keyboard;
    keyboard.press(Key::Down, game);
    keyboard.press(Key::Enter, game);
    EXPECT_EQ(keyboard.picked(), (MatchBox{Q, 1}));
    keyboard.hide();
    EXPECT_TRUE(keyboard.isVisible());
    EXPECT_FALSE(keyboard.picked().isValid());
    EXPECT_EQ(keyboard.focus(), (MatchBox{Q, 1}));
    // A smaller board keeps the focus on it; an empty one ignores keys.
    keyboard.press(Key::Down, game);
    keyboard.press(Key::Down, game);
    game.newRound(MatchBoard::build(list, 2, SelectionMode::Sequential, random));
    EXPECT_EQ(keyboard.press(Key::Enter, game), Effect::Picked);
    EXPECT_EQ(keyboard.focus(), (MatchBox{A, 1}));
    MatchGame empty;
    EXPECT_EQ(keyboard.press(Key::Down, empty), Effect::None);
}

} // namespace
} // namespace brainlark
