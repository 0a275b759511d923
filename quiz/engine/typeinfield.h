#pragma once

#include <string>
#include <string_view>

#include "quiz/engine/textbox.h"

namespace brainlark
{

/// The typing field of the Type-in mode: a text box with the typed text and a caret. Typing overwrites
/// (so the learner types over the pre-fill's asterisks). Texts are Windows-1252 bytes.
class TypeinField : public TextBox
{
public:
    enum class Input {
        Ignored, ///< nothing changed
        Changed, ///< text or caret changed: redraw redrawArea()
        Try,     ///< Enter: act as a click on "Try"
    };
    enum class Arrow { Left, Right, Up, Down };

    static constexpr char Backspace = 8;
    static constexpr char Enter = 13;
    static constexpr char CtrlR = 18;
    static constexpr int TextInset = -20;

    TypeinField() = default;
    /// Typed text = the pre-fill of the right answer (TypeinRules::preFill), caret 0, text kept 20 pixels
    /// off the border.
    TypeinField(std::string_view rightAnswer, int preFillPattern, const Rect& rect);

    const std::string& typedText() const { return m_typed; }
    int caret() const { return m_caret; }

    /// Backspace deletes before the caret; Ctrl+R clears; Enter asks for "Try"; other control characters
    /// are ignored; anything else overwrites at the caret (or appends at the end) and moves it right.
    Input handleChar(char c);
    /// Left/Right move the caret; Up/Down cycle the accent of the character before the caret (+1/-1).
    Input handleArrow(Arrow key);
    /// Ctrl+R: empty text, caret 0.
    void clear();

    /// The text to draw with mnemonic prefix processing: '&' before the character at the caret (shown
    /// underlined, which is the caret), and every typed '&' doubled so it shows as itself (a caret on a
    /// typed '&' is then not marked).
    std::string displayText() const;
    /// What to repaint after an edit: the box inside its border.
    Rect redrawArea() const { return rect().inflated(-2, -2); }

private:
    std::string m_typed;
    int m_caret = 0;
};

} // namespace brainlark
