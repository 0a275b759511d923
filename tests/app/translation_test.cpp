// The program's texts in German, French and Spanish: the catalogues built into the resources translate them,
// and no text of a dialog, options page or menu is wider than the widget that shows it. Also which language a
// stored choice and the system's languages give.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/aboutdialog.h"
#include "app/helpwindow.h"
#include "app/importwizard.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/restorebackupdialog.h"
#include "app/statuspane.h"
#include "app/studentdatadialog.h"
#include "app/studymoduleselector.h"
#include "app/viewnotesdialog.h"
#include "core/filereader.h"
#include "core/messages.h"
#include "core/pair.h"
#include "core/pcxdecoder.h"
#include "editor/changesubjectdialog.h"
#include "editor/deletepairdialog.h"
#include "editor/editorcontext.h"
#include "editor/editpassworddialog.h"
#include "editor/gridview.h"
#include "editor/listnamedialog.h"
#include "editor/notessubjectdialog.h"
#include "editor/pairdialog.h"
#include "editor/picturepreviewdialog.h"
#include "editor/viewpairdialog.h"
#include "editor/wronganswerdialog.h"
#include "editor/wronganswersdialog.h"
#include "history/historystore.h"
#include "history/statisticswindow.h"
#include "history/weightsfitdialog.h"
#include "options/optionssheet.h"
#include "quiz/engine/questionreason.h"
#include "quiz/ui/questionnotesdialog.h"
#include "quiz/ui/reasontext.h"
#include "quiz/ui/smartcounterdialog.h"
#include "services/fontchooserdialog.h"
#include "services/guidedialog.h"
#include "services/guidemessages.h"
#include "services/helppages.h"
#include "services/messagetext.h"
#include "services/speechlanguage.h"
#include "services/uilanguage.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

// The key a menu or button text marks with "&" ("&&" is a drawn ampersand), lower case; null without one.
QChar mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;
    }
    return QChar();
}

QString shown(QString text)
{
    // "&&" shows one ampersand, a single "&" marks the key and is not drawn.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widest(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = qMax(width, metrics.horizontalAdvance(line));
    return width;
}

// Every text of the window and its children that does not fit its widget, as "class 'text' needs N, has M".
QStringList clippedTexts(QWidget* window)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget* w, const QString& text, int needed, int available) {
        if (!text.isEmpty() && needed > available)
            clipped << QStringLiteral("%1 '%2' needs %3, has %4")
                           .arg(QLatin1String(w->metaObject()->className()), text)
                           .arg(needed)
                           .arg(available);
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        const QStyle* style = w->style();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // Word-wrapped and rich-text labels break their lines to the width they have.
            if (label->wordWrap() || label->textFormat() == Qt::RichText ||
                Qt::mightBeRichText(label->text()))
                continue;
            const QString text = shown(label->text());
            check(w, text, widest(metrics, text) + 2 * label->margin(), label->contentsRect().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = shown(button->text());
            int needed = widest(metrics, text);
            if (qobject_cast<QCheckBox*>(w))
                needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            else if (qobject_cast<QRadioButton*>(w))
                needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            if (!button->icon().isNull())
                needed += button->iconSize().width();
            if (!qobject_cast<QTabBar*>(w->parentWidget()))
                check(w, text, needed, button->contentsRect().width());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            const QString text = shown(box->title());
            check(w, text, metrics.horizontalAdvance(text), box->width());
        } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
            const int margins = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, w);
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, header->orientation()).toString();
                if (header->orientation() == Qt::Horizontal && !header->isSectionHidden(i))
                    check(w, text, widest(metrics, text) + margins, header->sectionSize(i));
            }
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                const QString text = shown(bar->tabText(i));
                check(w, text, metrics.horizontalAdvance(text), bar->tabRect(i).width());
            }
        }
    }
    return clipped;
}

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeServices m_fakes;

private slots:
    // The program as it starts with German chosen, whatever the system's languages.
    void initTestCase() { QCOMPARE(UiLanguage::install(*qApp, QStringLiteral("de")), QStringLiteral("de")); }

    void theStoredChoiceOrTheSystemsLanguagesDecide_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("shown");
        QTest::newRow("chosen German on an English system") << "de" << QStringList{"en-US"} << "de";
        QTest::newRow("chosen English on a German system") << "en" << QStringList{"de-DE"} << "en";
        QTest::newRow("system: Austrian German") << "" << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("system: French with an underscore") << "" << QStringList{"fr_CA"} << "fr";
        QTest::newRow("system: untranslated Italian, then Spanish")
            << "" << QStringList{"it-IT", "es-ES"} << "es";
        QTest::newRow("system: English before German") << "" << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("system: C locale") << "" << QStringList{"C"} << "en";
        QTest::newRow("unknown stored code falls back to the system") << "xx" << QStringList{"fr-FR"} << "fr";
    }
    void theStoredChoiceOrTheSystemsLanguagesDecide()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, system);
        QFETCH(QString, shown);
        QCOMPARE(UiLanguage::resolve(choice, system), shown);
    }

    void everyLanguageHasItsCatalogue()
    {
        for (const UiLanguage::Choice& choice : UiLanguage::choices()) {
            if (choice.code == QLatin1String("en"))
                continue;
            QTranslator translator;
            QVERIFY2(translator.load(UiLanguage::catalogue(choice.code)), qPrintable(choice.code));
            QVERIFY2(!translator.translate("brainlark::MainWindow", "&File").isEmpty(),
                     qPrintable(choice.code));
        }
    }

    // In every language each menu gives each of its items a key of its own, and no menu is wider than the
    // screen.
    void everyMenuItemHasAKeyOfItsOwnInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fileMenu");
        QTest::newRow("German") << "de"
                                << "&Datei";
        QTest::newRow("French") << "fr"
                                << "&Fichier";
        QTest::newRow("Spanish") << "es"
                                 << "&Archivo";
    }
    void everyMenuItemHasAKeyOfItsOwnInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, fileMenu);
        QTranslator translator;
        QVERIFY(translator.load(UiLanguage::catalogue(language)));
        QCoreApplication::installTranslator(&translator);
        AppSettings settings(m_fakes.random);
        settings.setInstallPath(m_dir.path());
        settings.resetToDefaults();
        const Services services = m_fakes.services();
        ListDocument doc(settings, services);
        doc.setQuizShown(false);
        MainWindow frame(doc, settings, services);
        // The editor's mode word fits the status pane that shows it.
        for (GridView::Mode mode : {GridView::Mode::View, GridView::Mode::Edit, GridView::Mode::New}) {
            const QString word = GridView::modeWord(mode);
            QVERIFY2(frame.pane(3)->fontMetrics().horizontalAdvance(word) <=
                         frame.pane(3)->contentsRect().width(),
                     qPrintable(word));
        }
        // Why Smart Pick asks a question shows whole in its pane, not shortened in the middle.
        QuestionReason weakest;
        weakest.smartPick = true;
        weakest.rank = 1;
        QuestionReason third = weakest;
        third.rank = 3;
        third.rating = 1.25F;
        for (const QuestionReason& reason : {weakest, third}) {
            frame.setPaneText(0, ReasonText::shortText(reason));
            const auto* pane = qobject_cast<StatusPane*>(frame.pane(0));
            QVERIFY(pane);
            QCOMPARE(pane->shownText(), pane->text());
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(frame.menuBar()->actions().first()->text(), fileMenu);
        const int screenWidth = frame.screen()->availableGeometry().width();
        QStringList clashes;
        for (bool grid : {false, true}) {
            frame.attachMenus(grid);
            QList<QMenu*> menus;
            QSet<QChar> barKeys;
            for (QAction* top : frame.menuBar()->actions()) {
                menus << top->menu();
                const QChar key = mnemonic(top->text());
                if (!key.isNull() && barKeys.contains(key))
                    clashes << top->text();
                barKeys.insert(key);
            }
            for (int i = 0; i < menus.size(); ++i) {
                QSet<QChar> keys;
                for (QAction* action : menus[i]->actions()) {
                    if (action->menu())
                        menus << action->menu();
                    const QChar key = mnemonic(action->text());
                    if (action->isSeparator() || !action->isVisible() || key.isNull())
                        continue;
                    if (keys.contains(key))
                        clashes << menus[i]->title() + QLatin1String(": ") + action->text();
                    keys.insert(key);
                }
                QVERIFY2(menus[i]->sizeHint().width() <= screenWidth, qPrintable(menus[i]->title()));
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
    }

    // The help opens in the language of the program's texts when the program folder has that page, and every
    // page has the topics the program's help buttons open.
    void theHelpIsInTheLanguageOfTheTexts()
    {
        const QString source = QStringLiteral(BRAINLARK_SOURCE_DIR "/data");
        QCOMPARE(HelpPages::url(source, 34),
                 QUrl::fromLocalFile(source + "/help/index_de.html").toString() + "#context-34");
        QCOMPARE(HelpPages::url(m_dir.path(), 34),
                 QUrl::fromLocalFile(m_dir.path() + "/help/index.html").toString() + "#context-34");
        const QRegularExpression anchor(QStringLiteral("id=\"([^\"]+)\""));
        const auto anchors = [&anchor](const QString& path) {
            QFile page(path);
            QStringList ids;
            if (!page.open(QIODevice::ReadOnly))
                return ids;
            const QString html = QString::fromUtf8(page.readAll());
            for (auto it = anchor.globalMatch(html); it.hasNext();)
                ids << it.next().captured(1);
            return ids;
        };
        const QStringList english = anchors(source + "/help/index.html");
        QVERIFY(english.contains(QStringLiteral("context-34")) && english.size() > 10);
        for (const char* language : {"de", "fr", "es"})
            QCOMPARE(anchors(source + QStringLiteral("/help/index_%1.html").arg(QLatin1String(language))),
                     english);
    }

    // The catalogue's two fixed subjects are shown in German and still stored by their English names.
    void theFixedSubjectsAreShownTranslatedAndStoredInEnglish()
    {
        StudyModuleSelector selector(m_dir.path(), "", "--- n/a ---");
        auto* combo = selector.findChild<QComboBox*>("subjectCombo");
        QCOMPARE(combo->currentText(), QStringLiteral("--- ohne Thema ---"));
        QSignalSpy chosen(&selector, &StudyModuleSelector::selectedSubjectChanged);
        combo->setCurrentIndex(combo->findText(QStringLiteral("--- Alle ---")));
        QCOMPARE(chosen.value(0).value(0).toString(), QStringLiteral("--- All ---"));

        NotesSubjectDialog notes("", "", {"--- n/a ---", "Erdkunde"});
        QCOMPARE(notes.findChild<QComboBox*>()->currentText(), QStringLiteral("--- ohne Thema ---"));
        QCOMPARE(notes.subject(), QStringLiteral("--- n/a ---"));

        ChangeSubjectDialog change("Liste", "--- n/a ---", {"--- n/a ---", "Erdkunde"});
        QCOMPARE(change.findChild<QComboBox*>()->currentText(), QStringLiteral("--- ohne Thema ---"));
        QCOMPARE(change.chosenSubject(), QStringLiteral("--- n/a ---"));

        const QString time = StudyModuleSelector::formatRowTimeShown(
            QDateTime(QDate(2024, 3, 7), QTime(13, 5)).toSecsSinceEpoch());
        QVERIFY2(time.contains(QLatin1String("07.03.24")) && time.contains(QLatin1String("13:05")),
                 qPrintable(time));
    }

    // A count takes the form its number needs: one skipped line is "Zeile", two are "Zeilen".
    void countsTakeTheirPluralForm()
    {
        for (const auto& [bad, said] :
             {std::pair{1, ", 1 Zeile übersprungen"}, {2, ", 2 Zeilen übersprungen"}}) {
            const QString path = m_dir.filePath(QStringLiteral("skipped%1.txt").arg(bad));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Haus\thouse\nBaum\ttree\nAuto\tcar\n");
            for (int i = 0; i < bad; ++i)
                file.write("nur eine Spalte\n");
            file.close();
            ImportWizard wizard(m_dir.path());
            QVERIFY(wizard.setFile(path));
            QVERIFY(QTest::qWaitFor([&] { return !wizard.isReading(); }));
            QVERIFY2(wizard.summary()->text().contains(QString::fromUtf8(said)),
                     qPrintable(wizard.summary()->text()));
        }
    }

    // Messages the readers and exports compose in English (as the command line prints them) are shown in
    // German, nested messages and all; a text made from no template is shown as it is.
    void composedMessagesAreShownTranslated_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("one argument")
            << QString::fromStdString(Messages::format(Messages::KvtmlWrongRoot, {"html"}))
            << "Dies ist ein XML-Dokument, aber kein Vokabular: Sein Wurzelelement ist "
               "<html>, nicht <kvtml>.";
        QTest::newRow("nested")
            << QString::fromStdString(Messages::format(
                   Messages::PalmNotCreated,
                   {Messages::format(
                       Messages::PalmPairProblem,
                       {"3", Messages::format(Messages::PalmTextUnheld, {"Жук", "\"Ж\" U+0416"})})}))
            << QString::fromUtf8(
                   "Die Palm-Datenbankdatei konnte leider nicht erstellt werden. \nPaar 3: „Жук“ "
                   "enthält \"Ж\" U+0416, das der Handheld (nur Windows-1252) nicht anzeigen kann.");
        QTest::newRow("an argument's own place mark stays")
            << QString::fromStdString(
                   Messages::format(Messages::CannotWriteFile, {"/tmp/%1", "No space left"}))
            << "Die Datei /tmp/%1 konnte nicht geschrieben werden (No space left)";
        QTest::newRow("no template") << "Something else (%1)."
                                     << "Something else (%1).";
        QTest::newRow("a colon but no template") << "Line 3: Haus"
                                                 << "Line 3: Haus";
        std::string bytes;
        std::string readError;
        FileReader::read("/dev/null", bytes, &readError);
        QTest::newRow("file reader") << QString::fromStdString(readError)
                                     << QString::fromUtf8(
                                            "/dev/null kann nicht gelesen werden: keine reguläre Datei");
        QTest::newRow("picture decoder")
            << QString::fromStdString(PcxDecoder::decode("GIF89a").error) << "keine PCX-Datei";
        QTest::newRow("a package's part and its own reason")
            << QString::fromStdString(Messages::format(Messages::PartProblem,
                                                       {"collection.anki2", Messages::NoteTypesNotObject}))
            << "collection.anki2: Notiztypen: kein JSON-Objekt";
        QTest::newRow("a sound an import names")
            << QString::fromStdString(
                   Messages::format(Messages::PartProblem, {"bark.wav", Messages::MediaNotFound}))
            << "bark.wav: nicht neben der importierten Datei gefunden";
    }
    void composedMessagesAreShownTranslated()
    {
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(MessageText::shown(english), german);
    }

    // The languages a list is read aloud in are named in German too; the system's is English under C.
    void languageNamesAreShownInGerman()
    {
        QCOMPARE(SpeechLanguage::displayName("ru"), QString::fromUtf8("Russisch"));
        QCOMPARE(SpeechLanguage::displayName(""), QString::fromUtf8("Englisch"));
        QVERIFY(SpeechLanguage::choices().contains(
            {QStringLiteral("nb"), QString::fromUtf8("Norwegisch (Bokmål)")}));
    }

    void theImportWizardSaysWhyInGerman()
    {
        const QString path = m_dir.filePath("seite.kvtml");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?>\n<kvtml version=\"1.0\"><e><o>Haus</o></e></kvtml>\n");
        file.close();
        ImportWizard wizard(m_dir.path());
        wizard.setFile(path);
        QVERIFY(QTest::qWaitFor([&] { return !wizard.isReading(); }));
        QVERIFY2(wizard.summary()->text().startsWith(
                     QString::fromUtf8("Das Vokabular hat die Version 1.0; gelesen wird nur Version 2.")),
                 qPrintable(wizard.summary()->text()));
        QVERIFY2(!wizard.summary()->text().contains(QStringLiteral("..")),
                 qPrintable(wizard.summary()->text()));
    }

    void noTextIsClipped_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void noTextIsClipped()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(UiLanguage::catalogue(language)));
        QCoreApplication::installTranslator(&translator);
        AppSettings settings(m_fakes.random);
        settings.setInstallPath(m_dir.path());
        settings.resetToDefaults();
        GuideMessages guides(settings, m_fakes.prompter);
        const OptionsContext options{settings,       m_fakes.prompter,      guides,
                                     m_fakes.random, [](const QString&) {}, [](QWidget*) {}};
        EditorContext editor;
        editor.settings = &settings;
        editor.prompter = &m_fakes.prompter;
        editor.programFolder = m_dir.path();
        PairList list;
        list.pairs().emplace_back("Frage", "Antwort");
        const Pair& pair = list.pairs().front();
        const auto none = [](const QString&) { return true; };
        HistoryStore history;
        const QString table = m_dir.filePath("Vokabeln.txt");
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Vorderseite\tR\xc3\xbc"
                   "ckseite\tNotiz\tMehr\nHaus\thouse\tdas Haus\t1\nBaum\ttree\tder Baum\t2\n");
        file.close();
        const auto silent = [](const QString&) {};
        const Window windows[] = {
            {"options",
             [&] {
                 return std::make_unique<OptionsSheet>(OptionsSheet::Pages::All, options,
                                                       OptionsApplier::Hooks());
             }},
            {"about", [&] { return std::make_unique<AboutDialog>(none, silent, [] {}); }},
            {"help", [&] { return std::make_unique<HelpWindow>(none, silent); }},
            {"import", [&] { return std::make_unique<ImportWizard>(m_dir.path()); }},
            {"restore",
             [&] {
                 return std::make_unique<RestoreBackupDialog>("Liste", std::vector<BackupEntry>(), &list);
             }},
            {"student data", [&] { return std::make_unique<StudentDataDialog>("Anna"); }},
            {"study modules", [&] { return std::make_unique<StudyModuleSelector>(m_dir.path(), "", ""); }},
            {"list notes", [&] { return std::make_unique<ViewNotesDialog>("Notizen"); }},
            {"change subject",
             [&] { return std::make_unique<ChangeSubjectDialog>("Liste", "", QStringList()); }},
            {"delete pair", [&] { return std::make_unique<DeletePairDialog>("Frage", "Antwort"); }},
            {"password", [&] { return std::make_unique<EditPasswordDialog>(""); }},
            {"list name",
             [&] { return std::make_unique<ListNameDialog>(m_dir.path(), "", m_fakes.prompter); }},
            {"notes and subject",
             [&] { return std::make_unique<NotesSubjectDialog>("", "", QStringList()); }},
            {"pair", [&] { return std::make_unique<PairDialog>(PairFields(), editor); }},
            {"view pair", [&] { return std::make_unique<ViewPairDialog>(pair); }},
            {"wrong answer",
             [&] {
                 return std::make_unique<WrongAnswerDialog>("Frage", WrongAnswerDialog::Fields(), editor);
             }},
            {"fit weights",
             [&] {
                 return std::make_unique<WeightsFitDialog>(m_dir.filePath("none.sqlite"),
                                                           [](const FsrsWeights&) { return true; });
             }},
            {"question notes", [&] { return std::make_unique<QuestionNotesDialog>("Notizen"); }},
            {"smart counter", [&] { return std::make_unique<SmartCounterDialog>(settings); }},
            {"font", [&] { return std::make_unique<FontChooserDialog>("", 20, "", 0u); }},
            {"guide", [&] { return std::make_unique<GuideDialog>(Prompter::GuideKind::YesNoHelp, "Text"); }},
            {"import with a file read",
             [&] {
                 auto wizard = std::make_unique<ImportWizard>(m_dir.path());
                 bool read = wizard->setFile(table) &&
                             QTest::qWaitFor([&] { return !wizard->isReading(); }) &&
                             !wizard->result().pairs.empty() && wizard->columnBox(2);
                 if (read) { // the third column taken as wrong answers: a longer title for a narrow column
                     wizard->columnBox(2)->setCurrentIndex(2);
                     read = QTest::qWaitFor([&] { return !wizard->isReading(); });
                 }
                 return read ? std::move(wizard) : nullptr;
             }},
            {"wrong answers",
             [&] { return std::make_unique<WrongAnswersDialog>("Frage", "Antwort", list, editor); }},
            {"picture preview",
             [&] { return std::make_unique<PicturePreviewDialog>(QImage(20, 20, QImage::Format_RGB32)); }},
            {"statistics",
             [&] {
                 return std::make_unique<StatisticsWindow>(history, m_dir.filePath("Liste.fly"), "Liste",
                                                           &list, QDate(2026, 1, 1));
             }},
        };
        for (const Window& window : windows) {
            const std::unique_ptr<QWidget> shownWindow = window.make();
            QVERIFY2(shownWindow, window.name);
            shownWindow->show();
            QVERIFY(QTest::qWaitForWindowExposed(shownWindow.get()));
            QStringList clipped;
            const QList<QTabWidget*> tabs = shownWindow->findChildren<QTabWidget*>();
            for (int page = 0; page < (tabs.isEmpty() ? 1 : tabs.first()->count()); ++page) {
                if (!tabs.isEmpty())
                    tabs.first()->setCurrentIndex(page);
                QCoreApplication::processEvents();
                clipped << clippedTexts(shownWindow.get());
            }
            clipped.removeDuplicates();
            QVERIFY2(clipped.isEmpty(), qPrintable(QLatin1String(window.name) + QLatin1String(": ") +
                                                   clipped.join(QLatin1String("; "))));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
