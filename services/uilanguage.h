#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace brainlark
{

/// The language of the program's own texts: English (the texts in the code), or one of the catalogues
/// built from translations/ into the resources. The learner's choice is a language code or empty for the
/// system's languages; it takes effect when the program starts.
class UiLanguage
{
public:
    struct Choice {
        QString code; ///< empty: the system's languages
        QString name; ///< as the language calls itself ("System" is translated by the caller)
    };
    /// English first, then every translated language, each in its own name.
    static QList<Choice> choices();
    /// The language to show for a stored choice: the choice when it is one we have, otherwise the first
    /// of the system's preferred languages that we have, otherwise English ("en").
    static QString resolve(const QString& choice, const QStringList& systemLanguages);
    /// Installs the program's catalogue and Qt's own (for the standard dialogs) for the stored choice and
    /// the system locale; English installs nothing. Returns the language in effect.
    static QString install(QCoreApplication& app, const QString& choice);
    /// The language installed last ("en" before any install).
    static QString current();
    /// The resource path of the program's catalogue of a language.
    static QString catalogue(const QString& code);
};

} // namespace brainlark
