// Every control a screen reader lands on in the dialogs, the options pages and the list editor has a name,
// and every text reads on its fill on a dark desktop: each dialog is opened through its command on the real
// window (or built as its caller builds it) and its accessibility tree and widgets walked.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/aboutdialog.h"
#include "app/helpwindow.h"
#include "app/importwizard.h"
#include "app/mainwindow.h"
#include "app/studymoduleselector.h"
#include "core/pairlist.h"
#include "editor/changesubjectdialog.h"
#include "editor/deletepairdialog.h"
#include "editor/editorcontext.h"
#include "editor/gridview.h"
#include "editor/listnamedialog.h"
#include "editor/picturepreviewdialog.h"
#include "editor/viewpairdialog.h"
#include "editor/wronganswerdialog.h"
#include "editor/wronganswersdialog.h"
#include "history/historystore.h"
#include "history/statisticswindow.h"
#include "history/weightsfitdialog.h"
#include "quiz/ui/questionnotesdialog.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/smartcounterdialog.h"
#include "services/fontchooserdialog.h"
#include "services/guidedialog.h"
#include "settings/contrast.h"
#include "support/framefixture.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

bool needsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return false;
    }
}

/// The controls under iface without a name, as "Class (role)" of their widgets.
void collectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 30)
        return;
    if (needsName(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = iface->object();
        unnamed.append(
            QStringLiteral("%1 %2 (role %3)")
                .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QString("?"),
                     object ? object->objectName() : QString())
                .arg(int(iface->role()), 0, 16));
    }
    // A combo box's and a spin box's own parts (the list, the arrows) are named by Qt or not read apart.
    if (iface->role() == QAccessible::ComboBox || iface->role() == QAccessible::SpinBox)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), unnamed, depth + 1);
}

/// Tables under root where Tab walks from cell to cell instead of on to the next control: a keyboard user
/// would press it once per cell to get past a read-only table.
void collectTabTraps(QWidget* root, QStringList& traps)
{
    for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!view->isVisible() || !(view->focusPolicy() & Qt::TabFocus) || !model || model->rowCount() == 0 ||
            model->columnCount() < 2)
            continue;
        const QModelIndex first = model->index(0, 0);
        view->setCurrentIndex(first);
        QTest::keyClick(view, Qt::Key_Tab);
        if (view->currentIndex() != first)
            traps.append(view->accessibleName());
    }
}

/// Text under root that reads badly on its fill (contrast below 4.5:1), with the measured ratio.
void collectUnreadable(QWidget* root, QStringList& unreadable)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        w->ensurePolished();
        QPalette::ColorRole text = w->foregroundRole(), fill = w->backgroundRole();
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(w))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown = button->text();
        else if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))
            shown = QStringLiteral("(field)"), text = QPalette::Text, fill = QPalette::Base;
        if (shown.trimmed().isEmpty() || !w->isEnabled()) // greyed-out commands are not there to be read
            continue;
        const double ratio = Contrast::ratio(w->palette().color(text), w->palette().color(fill));
        if (ratio < Contrast::ReadableText)
            unreadable.append(
                QStringLiteral("%1 %2 '%3' %4:1")
                    .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), shown.left(30))
                    .arg(ratio, 0, 'f', 2));
    }
}

/// A dark desktop: light text on dark fills, as a high-contrast theme gives.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(32, 32, 36), base(20, 20, 24), text(235, 235, 235), button(48, 48, 54);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, button);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Highlight, QColor(90, 140, 220));
        dark.setColor(group, QPalette::HighlightedText, Qt::black);
        dark.setColor(group, QPalette::ToolTipBase, base);
        dark.setColor(group, QPalette::ToolTipText, text);
        dark.setColor(group, QPalette::PlaceholderText, QColor(170, 170, 170));
        dark.setColor(group, QPalette::BrightText, Qt::white);
    }
    return dark;
}

QColor qcolor(const HslColor& c)
{
    return QColor(c.red(), c.green(), c.blue());
}

} // namespace

class AccessibleNamesTest : public FrameFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSettings({"data"});
        makeFrame(true);
        QVERIFY(m_doc->loadList(writeList(m_dir.path() + "/data/Words.fly", 8), ListDocument::OpenList));
        m_frame->resize(900, 700);
        m_frame->show();
        m_frame->setDialogRunner([this](QDialog& dialog) {
            m_dialogs.append(QString::fromLatin1(dialog.metaObject()->className()));
            dialog.show();
            collectUnnamed(QAccessible::queryAccessibleInterface(&dialog), m_unnamed);
            collectUnreadable(&dialog, m_unreadable);
            return int(QDialog::Rejected);
        });
        m_dialogs.clear();
        m_unnamed.clear();
        m_unreadable.clear();
    }
    void cleanup()
    {
        dropFrame();
        QApplication::setPalette(m_desktop);
    }
    void initTestCase() { m_desktop = QApplication::palette(); }

    void everyDialogControlIsNamed_data() { commandRows(); }
    void everyDialogControlIsNamed()
    {
        QFETCH(bool, inEditor);
        QFETCH(int, command);
        if (inEditor)
            m_frame->execute(cmd::Editor);
        m_frame->execute(command);
        QVERIFY2(!m_dialogs.isEmpty(), "no dialog opened");
        QVERIFY2(m_unnamed.isEmpty(), qPrintable(m_dialogs.join(", ") + ": " + m_unnamed.join("; ")));
    }

    // Dialogs that open from deeper places (the quiz screen, the editor's fields, the options' buttons),
    // built as their callers build them.
    void otherDialogsAreNamed_data() { otherRows(); }
    void otherDialogsAreNamed()
    {
        QFETCH(int, which);
        HistoryStore store;
        const std::unique_ptr<QDialog> dialog = makeOther(which, store);
        dialog->show();
        collectUnnamed(QAccessible::queryAccessibleInterface(dialog.get()), m_unnamed);
        QVERIFY2(m_unnamed.isEmpty(), qPrintable(m_unnamed.join("; ")));
    }

    // With a dark desktop palette and skins off, the text of every dialog reads on its fill.
    void everyDialogReadsOnADarkDesktop_data() { commandRows(); }
    void everyDialogReadsOnADarkDesktop()
    {
        QFETCH(bool, inEditor);
        QFETCH(int, command);
        QApplication::setPalette(darkPalette());
        if (inEditor)
            m_frame->execute(cmd::Editor);
        m_frame->execute(command);
        QVERIFY2(!m_dialogs.isEmpty(), "no dialog opened");
        QVERIFY2(m_unreadable.isEmpty(), qPrintable(m_unreadable.join("; ")));
    }
    void otherDialogsReadOnADarkDesktop_data() { otherRows(); }
    void otherDialogsReadOnADarkDesktop()
    {
        QFETCH(int, which);
        QApplication::setPalette(darkPalette());
        HistoryStore store;
        const std::unique_ptr<QDialog> dialog = makeOther(which, store);
        dialog->show();
        collectUnreadable(dialog.get(), m_unreadable);
        QVERIFY2(m_unreadable.isEmpty(), qPrintable(m_unreadable.join("; ")));
    }
    // Tab goes on past a table to the next control (arrows move within it).
    void tablesLetTabGoOn_data() { otherRows(); }
    void tablesLetTabGoOn()
    {
        QFETCH(int, which);
        HistoryStore store;
        const std::unique_ptr<QDialog> dialog = makeOther(which, store);
        if (auto* wizard = qobject_cast<ImportWizard*>(dialog.get())) {
            const QString path = m_dir.path() + "/data/words.txt";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("chat\tcat\nchien\tdog\n") > 0);
            file.close();
            QVERIFY(wizard->setFile(path));
        }
        dialog->show();
        QStringList traps;
        collectTabTraps(dialog.get(), traps);
        QVERIFY2(traps.isEmpty(), qPrintable(traps.join("; ")));
    }
    // The window with the quiz and with the list editor, and the quiz screen's painted text.
    void windowAndQuizReadOnADarkDesktop()
    {
        QApplication::setPalette(darkPalette());
        collectUnreadable(m_frame.get(), m_unreadable);
        const QuizLook look(*m_settings);
        const QList<std::tuple<const char*, HslColor, HslColor>> painted = {
            {"question", look.questionText, look.questionFill},
            {"answer", look.answerText, look.answerFill},
            {"button", look.buttonText, look.buttonFill},
            {"counter", look.counterText, look.counterFill}};
        for (const auto& [part, text, fill] : painted) {
            const double ratio = Contrast::ratio(qcolor(text), qcolor(fill));
            if (ratio < Contrast::ReadableText)
                m_unreadable.append(QStringLiteral("quiz %1 %2:1").arg(part).arg(ratio, 0, 'f', 2));
        }
        m_frame->execute(cmd::Editor);
        QVERIFY(m_frame->findChild<GridView*>());
        collectUnreadable(m_frame.get(), m_unreadable);
        QVERIFY2(m_unreadable.isEmpty(), qPrintable(m_unreadable.join("; ")));
    }

    // The list editor itself: the grid, its find bar and the window's toolbars.
    void editorControlsAreNamed()
    {
        m_frame->execute(cmd::Editor);
        m_frame->execute(cmd::GridFind);
        QVERIFY(m_frame->findChild<GridView*>());
        collectUnnamed(QAccessible::queryAccessibleInterface(m_frame.get()), m_unnamed);
        QVERIFY2(m_unnamed.isEmpty(), qPrintable(m_unnamed.join("; ")));
    }

private:
    static void commandRows()
    {
        QTest::addColumn<bool>("inEditor");
        QTest::addColumn<int>("command");
        QTest::newRow("options") << false << cmd::Options;
        QTest::newRow("change layout") << false << cmd::ChangeLayout;
        QTest::newRow("student data") << false << cmd::StudentData;
        QTest::newRow("view notes") << false << cmd::ViewNotes;
        QTest::newRow("about") << false << cmd::About;
        QTest::newRow("restore backup") << false << cmd::RestoreBackup;
        QTest::newRow("notes and subject") << true << cmd::GridNotes;
        QTest::newRow("password") << true << cmd::GridPassword;
        QTest::newRow("wrong answers") << true << cmd::GridWrongAnswers;
        QTest::newRow("add a pair") << true << cmd::GridAdd;
    }

    static void otherRows()
    {
        QTest::addColumn<int>("which");
        const char* names[] = {"picture preview", "delete pair", "view pair",     "change subject",
                               "wrong answer",    "list name",   "guide",         "font chooser",
                               "study module",    "help",        "import",        "question notes",
                               "smart counter",   "weights fit", "wrong answers", "statistics"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }
    std::unique_ptr<QDialog> makeOther(int which, const HistoryStore& store)
    {
        const QString folder = m_dir.path() + "/data";
        EditorContext context;
        context.settings = m_settings.get();
        context.prompter = &m_prompter;
        context.programFolder = m_dir.path();
        const Pair pair("q", "a");
        std::unique_ptr<QDialog> dialog;
        switch (which) {
        case 0:
            dialog = std::make_unique<PicturePreviewDialog>(QImage(20, 20, QImage::Format_RGB32));
            break;
        case 1:
            dialog = std::make_unique<DeletePairDialog>("q", "a");
            break;
        case 2:
            dialog = std::make_unique<ViewPairDialog>(pair);
            break;
        case 3:
            dialog = std::make_unique<ChangeSubjectDialog>("Words", "", QStringList{"French"});
            break;
        case 4:
            dialog = std::make_unique<WrongAnswerDialog>("q", WrongAnswerDialog::Fields{}, context);
            break;
        case 5:
            dialog = std::make_unique<ListNameDialog>(folder, "Words", m_prompter);
            break;
        case 6:
            dialog = std::make_unique<GuideDialog>(Prompter::GuideKind::YesNoHelp, "Go on?");
            break;
        case 7:
            dialog = std::make_unique<FontChooserDialog>("Sans", 12, "", 0u);
            break;
        case 8:
            dialog = std::make_unique<StudyModuleSelector>(folder, "Words", "");
            break;
        case 9:
            dialog = std::make_unique<HelpWindow>([](const QString&) { return true; }, [](const QString&) {});
            break;
        case 10:
            dialog = std::make_unique<ImportWizard>(folder);
            break;
        case 11:
            dialog = std::make_unique<QuestionNotesDialog>("notes");
            break;
        case 12:
            dialog = std::make_unique<SmartCounterDialog>(*m_settings);
            break;
        case 13:
            dialog = std::make_unique<WeightsFitDialog>(m_dir.path() + "/none.db",
                                                        [](const FsrsWeights&) { return true; });
            break;
        case 14:
            dialog = std::make_unique<WrongAnswersDialog>("q", "a", m_wrongAnswers, context);
            break;
        default:
            dialog = std::make_unique<StatisticsWindow>(store, folder + "/Words.fly", "Words", m_doc->list(),
                                                        QDate(2026, 1, 1));
        }
        return dialog;
    }

    PairList m_wrongAnswers;
    QStringList m_dialogs;
    QStringList m_unnamed;
    QStringList m_unreadable;
    QPalette m_desktop;
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessiblenames_test.moc"
