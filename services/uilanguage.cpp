#include "services/uilanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brainlark
{

namespace
{

QString g_current = QStringLiteral("en");

const char* const kTranslated[] = {"de", "fr", "es"};

bool translated(const QString& code)
{
    for (const char* known : kTranslated)
        if (code == QLatin1String(known))
            return true;
    return false;
}

} // namespace

QList<UiLanguage::Choice> UiLanguage::choices()
{
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Fran\u00E7ais")},
            {QStringLiteral("es"), QStringLiteral("Espa\u00F1ol")}};
}

QString UiLanguage::resolve(const QString& choice, const QStringList& systemLanguages)
{
    if (choice == QLatin1String("en") || translated(choice))
        return choice;
    for (const QString& language : systemLanguages) {
        // "de-AT", "de_AT" and "de" all mean German; English anywhere in the list wins over what follows.
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en") || translated(code))
            return code;
    }
    return QStringLiteral("en");
}

QString UiLanguage::catalogue(const QString& code)
{
    return QStringLiteral(":/translations/brainlark_%1.qm").arg(code);
}

QString UiLanguage::install(QCoreApplication& app, const QString& choice)
{
    const QString code = resolve(choice, QLocale::system().uiLanguages());
    g_current = code;
    if (code == QLatin1String("en"))
        return code;
    auto* own = new QTranslator(&app);
    if (!own->load(catalogue(code))) {
        delete own;
        g_current = QStringLiteral("en");
        return g_current;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (the buttons of standard dialogs, the file dialog, the print dialog) when the system
    // has them; without them those dialogs stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return g_current;
}

QString UiLanguage::current()
{
    return g_current;
}

} // namespace brainlark
