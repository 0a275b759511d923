// Every control a screen reader lands on in the dialogs, the options pages and the list editor has a name:
// each dialog is opened through its command on the real window and its accessibility tree walked.
#include <QAccessible>
#include <QDialog>
#include <QtTest>

#include "app/aboutdialog.h"
#include "app/helpwindow.h"
#include "app/importwizard.h"
#include "app/mainwindow.h"
#include "app/studymoduleselector.h"
#include "editor/changesubjectdialog.h"
#include "editor/deletepairdialog.h"
#include "editor/editorcontext.h"
#include "editor/gridview.h"
#include "editor/listnamedialog.h"
#include "editor/picturepreviewdialog.h"
#include "editor/viewpairdialog.h"
#include "editor/wronganswerdialog.h"
#include "history/historystore.h"
#include "history/statisticswindow.h"
#include "history/weightsfitdialog.h"
#include "quiz/ui/questionnotesdialog.h"
#include "quiz/ui/smartcounterdialog.h"
#include "services/fontchooserdialog.h"
#include "services/guidedialog.h"
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
            return int(QDialog::Rejected);
        });
        m_dialogs.clear();
        m_unnamed.clear();
    }
    void cleanup() { dropFrame(); }

    void everyDialogControlIsNamed_data()
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
    void otherDialogsAreNamed_data()
    {
        QTest::addColumn<int>("which");
        const char* names[] = {"picture preview", "delete pair", "view pair", "change subject",
                               "wrong answer",    "list name",   "guide",     "font chooser",
                               "study module",    "help",        "import",    "question notes",
                               "smart counter",   "weights fit", "statistics"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }
    void otherDialogsAreNamed()
    {
        QFETCH(int, which);
        const QString folder = m_dir.path() + "/data";
        EditorContext context;
        context.settings = m_settings.get();
        context.prompter = &m_prompter;
        context.programFolder = m_dir.path();
        HistoryStore store;
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
        default:
            dialog = std::make_unique<StatisticsWindow>(store, folder + "/Words.fly", "Words", m_doc->list(),
                                                        QDate(2026, 1, 1));
        }
        dialog->show();
        collectUnnamed(QAccessible::queryAccessibleInterface(dialog.get()), m_unnamed);
        QVERIFY2(m_unnamed.isEmpty(), qPrintable(m_unnamed.join("; ")));
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
    QStringList m_dialogs;
    QStringList m_unnamed;
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessiblenames_test.moc"
