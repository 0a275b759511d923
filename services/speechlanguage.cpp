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

struct LanguageName {
    const char* code;
    const char* shown;
};

// The languages offered for reading aloud, named in the language the program is shown in.
constexpr std::array<LanguageName, 32> Names = {{
    {"en", QT_TRANSLATE_NOOP("SpeechLanguage", "English")},
    {"de", QT_TRANSLATE_NOOP("SpeechLanguage", "German")},
    {"fr", QT_TRANSLATE_NOOP("SpeechLanguage", "French")},
    {"es", QT_TRANSLATE_NOOP("SpeechLanguage", "Spanish")},
    {"it", QT_TRANSLATE_NOOP("SpeechLanguage", "Italian")},
    {"pt", QT_TRANSLATE_NOOP("SpeechLanguage", "Portuguese")},
    {"nl", QT_TRANSLATE_NOOP("SpeechLanguage", "Dutch")},
    {"sv", QT_TRANSLATE_NOOP("SpeechLanguage", "Swedish")},
    {"da", QT_TRANSLATE_NOOP("SpeechLanguage", "Danish")},
    {"nb", QT_TRANSLATE_NOOP("SpeechLanguage", "Norwegian Bokmål")},
    {"fi", QT_TRANSLATE_NOOP("SpeechLanguage", "Finnish")},
    {"pl", QT_TRANSLATE_NOOP("SpeechLanguage", "Polish")},
    {"cs", QT_TRANSLATE_NOOP("SpeechLanguage", "Czech")},
    {"hu", QT_TRANSLATE_NOOP("SpeechLanguage", "Hungarian")},
    {"ro", QT_TRANSLATE_NOOP("SpeechLanguage", "Romanian")},
    {"tr", QT_TRANSLATE_NOOP("SpeechLanguage", "Turkish")},
    {"ru", QT_TRANSLATE_NOOP("SpeechLanguage", "Russian")},
    {"uk", QT_TRANSLATE_NOOP("SpeechLanguage", "Ukrainian")},
    {"bg", QT_TRANSLATE_NOOP("SpeechLanguage", "Bulgarian")},
    {"el", QT_TRANSLATE_NOOP("SpeechLanguage", "Greek")},
    {"ar", QT_TRANSLATE_NOOP("SpeechLanguage", "Arabic")},
    {"he", QT_TRANSLATE_NOOP("SpeechLanguage", "Hebrew")},
    {"hi", QT_TRANSLATE_NOOP("SpeechLanguage", "Hindi")},
    {"th", QT_TRANSLATE_NOOP("SpeechLanguage", "Thai")},
    {"zh", QT_TRANSLATE_NOOP("SpeechLanguage", "Chinese")},
    {"ja", QT_TRANSLATE_NOOP("SpeechLanguage", "Japanese")},
    {"ko", QT_TRANSLATE_NOOP("SpeechLanguage", "Korean")},
    {"ka", QT_TRANSLATE_NOOP("SpeechLanguage", "Georgian")},
    {"hy", QT_TRANSLATE_NOOP("SpeechLanguage", "Armenian")},
    {"vi", QT_TRANSLATE_NOOP("SpeechLanguage", "Vietnamese")},
    {"id", QT_TRANSLATE_NOOP("SpeechLanguage", "Indonesian")},
    {"la", QT_TRANSLATE_NOOP("SpeechLanguage", "Latin")},
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

QString displayName(const QString& name)
{
    const QLocale::Language language = locale(name).language();
    for (const LanguageName& entry : Names)
        if (QLocale(QString::fromLatin1(entry.code)).language() == language)
            return QCoreApplication::translate("SpeechLanguage", entry.shown);
    return QLocale::languageToString(language);
}

QList<std::pair<QString, QString>> choices()
{
    QList<std::pair<QString, QString>> list;
    list.append({QString(), QCoreApplication::translate("SpeechLanguage", "System language")});
    for (const LanguageName& entry : Names)
        list.append(
            {QString::fromLatin1(entry.code), QCoreApplication::translate("SpeechLanguage", entry.shown)});
    return list;
}

} // namespace SpeechLanguage

} // namespace brainlark
