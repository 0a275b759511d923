#include "quiz/engine/typeinfield.h"

#include "core/cp1252.h"
#include "quiz/engine/typeinrules.h"

namespace brainlark
{

TypeinField::TypeinField(std::string_view rightAnswer, int preFillPattern, const Rect& rect)
    : m_characters(TypeinRules::characters(TypeinRules::preFill(rightAnswer, preFillPattern)))
{
    rebuildText();
    setRect(rect);
    setInsets(TextInset, TextInset);
    setFramed(true);
}

void TypeinField::rebuildText()
{
    m_typed.clear();
    for (const std::string& c : m_characters)
        m_typed += c;
}

size_t TypeinField::byteOffset(int index) const
{
    size_t offset = 0;
    for (int i = 0; i < index && static_cast<size_t>(i) < m_characters.size(); ++i)
        offset += m_characters[static_cast<size_t>(i)].size();
    return offset;
}

std::string TypeinField::shownText() const
{
    if (m_preedit.empty())
        return m_typed;
    std::string shown = m_typed;
    shown.insert(byteOffset(m_caret), m_preedit);
    return shown;
}

void TypeinField::typeCharacter(std::string character)
{
    if (static_cast<size_t>(m_caret) < m_characters.size())
        m_characters[static_cast<size_t>(m_caret)] = std::move(character);
    else
        m_characters.push_back(std::move(character));
    ++m_caret;
}

TypeinField::Input TypeinField::handleChar(char32_t c)
{
    if (c == Backspace) {
        if (m_caret <= 0)
            return Input::Ignored;
        m_characters.erase(m_characters.begin() + (m_caret - 1));
        --m_caret;
        rebuildText();
        return Input::Changed;
    }
    if (c == Enter)
        return Input::Try;
    if (c == CtrlR) {
        clear();
        return Input::Changed;
    }
    if (c < 32 || c == 127 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return Input::Ignored;
    std::string character;
    Cp1252::appendUtf8(character, c);
    typeCharacter(std::move(character));
    rebuildText();
    return Input::Changed;
}

TypeinField::Input TypeinField::handleText(std::string_view utf8)
{
    Input result = m_preedit.empty() ? Input::Ignored : Input::Changed;
    m_preedit.clear();
    for (std::string& character : TypeinRules::characters(utf8)) {
        const unsigned char first = static_cast<unsigned char>(character[0]);
        if (first < 32 || first == 127)
            continue;
        typeCharacter(std::move(character));
        result = Input::Changed;
    }
    rebuildText();
    return result;
}

TypeinField::Input TypeinField::handleArrow(Arrow key)
{
    switch (key) {
    case Arrow::Left:
        if (m_caret > 0)
            --m_caret;
        break;
    case Arrow::Right:
        if (static_cast<size_t>(m_caret) < m_characters.size())
            ++m_caret;
        break;
    case Arrow::Up:
    case Arrow::Down:
        if (m_caret > 0) {
            m_characters = TypeinRules::characters(
                TypeinRules::cycleAccent(m_typed, m_caret, key == Arrow::Up ? +1 : -1));
            rebuildText();
        }
        break;
    }
    // The field is redrawn after every arrow key, moved or not.
    return Input::Changed;
}

void TypeinField::clear()
{
    m_characters.clear();
    m_typed.clear();
    m_caret = 0;
}

std::string TypeinField::displayText() const
{
    std::string shown;
    shown.reserve(m_typed.size() + 4);
    for (size_t i = 0; i <= m_characters.size(); ++i) {
        // An ampersand cannot carry the underline ("&&" is the literal); it then shows without a caret.
        if (i == static_cast<size_t>(m_caret) && (i == m_characters.size() || m_characters[i] != "&"))
            shown.push_back('&');
        if (i == m_characters.size())
            break;
        if (m_characters[i] == "&")
            shown.push_back('&');
        shown += m_characters[i];
    }
    return shown;
}

} // namespace brainlark
