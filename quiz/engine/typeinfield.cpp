#include "quiz/engine/typeinfield.h"

#include "quiz/engine/typeinrules.h"

namespace brainlark
{

TypeinField::TypeinField(std::string_view rightAnswer, int preFillPattern, const Rect& rect)
    : m_typed(TypeinRules::preFill(rightAnswer, preFillPattern))
{
    setRect(rect);
    setInsets(TextInset, TextInset);
    setFramed(true);
}

TypeinField::Input TypeinField::handleChar(char c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == Backspace) {
        if (m_caret <= 0)
            return Input::Ignored;
        m_typed.erase(static_cast<size_t>(m_caret) - 1, 1);
        --m_caret;
        return Input::Changed;
    }
    if (c == Enter)
        return Input::Try;
    if (c == CtrlR) {
        clear();
        return Input::Changed;
    }
    if (byte < 32 || byte == 127)
        return Input::Ignored;
    if (static_cast<size_t>(m_caret) < m_typed.size())
        m_typed[static_cast<size_t>(m_caret)] = c;
    else
        m_typed.push_back(c);
    ++m_caret;
    return Input::Changed;
}

TypeinField::Input TypeinField::handleArrow(Arrow key)
{
    switch (key) {
    case Arrow::Left:
        if (m_caret > 0)
            --m_caret;
        break;
    case Arrow::Right:
        if (static_cast<size_t>(m_caret) < m_typed.size())
            ++m_caret;
        break;
    case Arrow::Up:
    case Arrow::Down:
        if (m_caret > 0)
            m_typed = TypeinRules::cycleAccent(m_typed, m_caret, key == Arrow::Up ? +1 : -1);
        break;
    }
    // The field is redrawn after every arrow key, moved or not.
    return Input::Changed;
}

void TypeinField::clear()
{
    m_typed.clear();
    m_caret = 0;
}

std::string TypeinField::displayText() const
{
    std::string shown;
    shown.reserve(m_typed.size() + 4);
    for (size_t i = 0; i <= m_typed.size(); ++i) {
        // An ampersand cannot carry the underline ("&&" is the literal); it then shows without a caret.
        if (i == static_cast<size_t>(m_caret) && (i == m_typed.size() || m_typed[i] != '&'))
            shown.push_back('&');
        if (i == m_typed.size())
            break;
        if (m_typed[i] == '&')
            shown.push_back('&');
        shown.push_back(m_typed[i]);
    }
    return shown;
}

} // namespace brainlark
