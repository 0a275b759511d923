#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quiz/engine/textbox.h"

namespace brainlark
{

/// The typing field of the Type-in mode: a text box with the typed text and a caret. Typing overwrites
/// (so the learner types over the pre-fill's asterisks). Texts are UTF-8; the caret counts characters as the
/// learner sees them (TypeinRules::characters), so typing over a hint never splits one.
class TypeinField : public TextBox
{
public:
    enum class Input {
        Ignored, ///< nothing changed
        Changed, ///< text or caret changed: redraw redrawArea()
        Try,     ///< Enter: act as a click on "Try"
    };
    enum class Arrow { Left, Right, Up, Down };

    static constexpr char32_t Backspace = 8;
    static constexpr char32_t Enter = 13;
    static constexpr char32_t CtrlR = 18;
    static constexpr int TextInset = -20;

    TypeinField() = default;
    /// Typed text = the pre-fill of the right answer (TypeinRules::preFill), caret 0, text kept 20 pixels
    /// off the border.
    TypeinField(std::string_view rightAnswer, int preFillPattern, const Rect& rect);

    const std::string& typedText() const { return m_typed; }
    int caret() const { return m_caret; }
    /// Where the character at `index` starts in typedText(), in bytes (the text's size at its end).
    size_t byteOffset(int index) const;
    /// What an input method is composing, shown at the caret until it commits (handleText) or gives up.
    void setPreedit(std::string_view utf8) { m_preedit = utf8; }
    const std::string& preedit() const { return m_preedit; }
    /// The typed text with the pre-edit text at the caret: what the field shows.
    std::string shownText() const;

    /// Backspace deletes before the caret; Ctrl+R clears; Enter asks for "Try"; other control characters
    /// are ignored; anything else overwrites at the caret (or appends at the end) and moves it right.
    Input handleChar(char32_t c);
    /// Text committed by an input method (or several characters of one key): each character is typed as
    /// handleChar() would type it; control characters are dropped.
    Input handleText(std::string_view utf8);
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
    void rebuildText();
    void typeCharacter(std::string character);

    std::vector<std::string> m_characters;
    std::string m_typed;
    std::string m_preedit;
    int m_caret = 0;
};

} // namespace brainlark
