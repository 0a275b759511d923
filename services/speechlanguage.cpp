#include "services/speechlanguage.h"

#include <QCoreApplication>
#include <array>

namespace brainlark
{

namespace SpeechLanguage
{

namespace
{

constexpr qsizetype ReadLimit = 300000;

struct ScriptLanguage {
    QChar::Script script;
    const char* language;
};

// Kana before Han: a Japanese text mixes both, a Chinese one has no kana.
constexpr std::array<ScriptLanguage, 12> Guesses = {{
    {QChar::Script_Hiragana, "ja"},
    {QChar::Script_Katakana, "ja"},
    {QChar::Script_Han, "zh"},
    {QChar::Script_Hangul, "ko"},
    {QChar::Script_Cyrillic, "ru"},
    {QChar::Script_Greek, "el"},
    {QChar::Script_Arabic, "ar"},
    {QChar::Script_Hebrew, "he"},
    {QChar::Script_Devanagari, "hi"},
    {QChar::Script_Thai, "th"},
    {QChar::Script_Georgian, "ka"},
    {QChar::Script_Armenian, "hy"},
}};

} // namespace

QString guess(const QStringList& texts)
{
    std::array<qsizetype, Guesses.size()> counts{};
    qsizetype latin = 0;
    qsizetype read = 0;
    for (const QString& text : texts) {
        if (read >= ReadLimit)
            break;
        read += text.size();
        for (char32_t c : text.toUcs4()) {
            if (!QChar::isLetter(c))
                continue;
            const QChar::Script script = QChar::script(c);
            if (script == QChar::Script_Latin) {
                ++latin;
                continue;
            }
            for (size_t i = 0; i < Guesses.size(); ++i)
                if (Guesses[i].script == script)
                    ++counts[i];
        }
    }
    const qsizetype kana = counts[0] + counts[1];
    size_t best = Guesses.size();
    qsizetype most = latin;
    for (size_t i = 2; i < Guesses.size(); ++i) {
        const qsizetype n = i == 2 ? counts[i] + kana : counts[i];
        if (n > most) {
            most = n;
            best = i;
        }
    }
    if (best == Guesses.size())
        return {};
    if (best == 2 && kana > 0)
        return QStringLiteral("ja");
    return QString::fromLatin1(Guesses[best].language);
}

QLocale locale(const QString& name)
{
    if (!name.isEmpty())
        return QLocale(name);
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

QList<std::pair<QString, QString>> choices()
{
    static const char* const Names[] = {"en", "de", "fr", "es", "it", "pt", "nl", "sv", "da", "nb", "fi",
                                        "pl", "cs", "hu", "ro", "tr", "ru", "uk", "bg", "el", "ar", "he",
                                        "hi", "th", "zh", "ja", "ko", "ka", "hy", "vi", "id", "la"};
    QList<std::pair<QString, QString>> list;
    list.append({QString(), QCoreApplication::translate("SpeechLanguage", "System language")});
    for (const char* name : Names) {
        const QLocale locale(QString::fromLatin1(name));
        list.append({QString::fromLatin1(name), QLocale::languageToString(locale.language())});
    }
    return list;
}

} // namespace SpeechLanguage

} // namespace brainlark
