#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

namespace brainlark
{

/// The languages a list's two sides are read aloud in, as BCP 47 names ("ru", "zh"); an empty name is the
/// system's language.
struct ListLanguages {
    QString question;
    QString answer;
    bool operator==(const ListLanguages& other) const
    {
        return question == other.question && answer == other.answer;
    }
    bool operator!=(const ListLanguages& other) const { return !(*this == other); }
};

/// Where each list's languages are kept, by the list file's path (the study history's database, beside the
/// list's answers; never the list file). read gives nullopt for a list whose languages were never chosen.
/// Either may be unset: nothing is kept.
struct LanguageStore {
    std::function<std::optional<ListLanguages>(const QString& listPath)> read;
    std::function<bool(const QString& listPath, const ListLanguages& languages)> write;
};

namespace SpeechLanguage
{

/// The language the letters of the texts suggest, from the script most of them are written in: Cyrillic
/// "ru", Greek "el", Arabic "ar", Hebrew "he", Han "zh" (with any kana "ja"), Hangul "ko", Devanagari "hi",
/// Thai "th", Georgian "ka", Armenian "hy". Latin, texts without letters and scripts without a guess give
/// "" (the system's language): Latin letters alone do not tell English from French. Reads at most the first
/// few hundred thousand characters.
QString guess(const QStringList& texts);

/// The locale a language name is read with: "" is the system's, or English where the system has none
/// (the C locale).
QLocale locale(const QString& name);

/// A language's name as the learner reads it, in the language the program is shown in ("" names the
/// system's language).
QString displayName(const QString& name);

/// The languages offered for a side of a list: name and what the learner sees, the system's first.
QList<std::pair<QString, QString>> choices();

} // namespace SpeechLanguage

} // namespace brainlark
