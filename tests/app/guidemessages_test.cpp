#include "services/guidedialog.h"
#include "services/guidemessages.h"
#include "services/qtprompter.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

struct Rig {
    Rig() : random(1), settings(random), guides(settings, prompter) {}
    SeededRandom random;
    AppSettings settings;
    RecordingPrompter prompter;
    GuideMessages guides;
};

QStringList buttonTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QPushButton* b : dialog.findChildren<QPushButton*>())
        texts.append(b->text());
    return texts;
}

} // namespace

class GuideMessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void tableHasEveryGuide();
    void textsAreExact();
    void showPassesKindTextAndContext();
    void answersMapToResults();
    void dontShowAgainClearsTheBitExceptOnCancel();
    void showAllAndHideAll();
    void dialogButtonsPerKind();
    void dialogAnswerReadsCheckBoxOnlyWhenConfirmed();
    void helpOpensThePageAndKeepsTheDialogOpen();
    void shippedHelpPageHasEveryTopic();
};

void GuideMessagesTest::tableHasEveryGuide()
{
    const QList<GuideMessages::Entry> entries = GuideMessages::entries();
    QCOMPARE(entries.size(), 21);
    QSet<uint32_t> bits;
    for (const GuideMessages::Entry& e : entries) {
        bits.insert(e.bit);
        QVERIFY2(!GuideMessages::text(e.stringId).isEmpty(), qPrintable(QString::number(e.stringId)));
        QVERIFY(!GuideMessages::text(e.stringId).contains('\r'));
    }
    QCOMPARE(bits.size(), 21);
    const GuideMessages::Entry* print = GuideMessages::entry(GuideMessages::PrintFlashcards);
    QVERIFY(print);
    QCOMPARE(print->stringId, 119);
    QCOMPARE(print->kind, Prompter::GuideKind::YesNoHelp);
    QCOMPARE(print->helpContext, 27);
    QCOMPARE(GuideMessages::entry(GuideMessages::SmartCounter)->helpContext, 131251);
    QCOMPARE(GuideMessages::entry(GuideMessages::ShareLists)->stringId, 61448);
    QCOMPARE(GuideMessages::entry(GuideMessages::TextTooLong)->kind, Prompter::GuideKind::OkOnly);
    QCOMPARE(GuideMessages::entry(GuideMessages::Viewer)->helpContext, 98327);
    QVERIFY(!GuideMessages::entry(0x1));
    QVERIFY(!GuideMessages::entry(0x400000));
}

void GuideMessagesTest::textsAreExact()
{
    QCOMPARE(GuideMessages::text(113),
             QString::fromUtf8("Please enter a question and the answer (for example, a foreign word and its "
                               "translation).  Then press \u2018OK\u2019. \n\nContinue entering the "
                               "Q&A-pairs.\n\nWhen finished, press \u2018Cancel\u2019"));
    QCOMPARE(GuideMessages::storedText(127),
             QString("This will open an Internet page.\r\n\r\nIf you receive an error, please make sure that "
                     "your computer is connected to the Internet and try again."));
    QVERIFY(GuideMessages::text(125).endsWith("go to \"Web\">\"Get Brainlark for Palm OS\"."));
    QVERIFY(GuideMessages::text(115).contains("Q&A-list. \n \nFor example"));
    // The word processor keeps its name, whatever the program calls its pairs.
    QVERIFY(GuideMessages::text(133).contains("can be opened in MS Word and many other popular programs."));
    QVERIFY(GuideMessages::text(999).isEmpty());
}

void GuideMessagesTest::showPassesKindTextAndContext()
{
    Rig rig;
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 3), int(GuideMessages::Confirmed));
    QCOMPARE(rig.prompter.guides.size(), 1);
    const RecordingPrompter::Guide& shown = rig.prompter.guides.first();
    QCOMPARE(shown.kind, Prompter::GuideKind::YesNoHelp);
    QCOMPARE(shown.helpContext, 27);
    QVERIFY(shown.text.contains("The flashcards will be printed on 3 pages. \n"));
    QVERIFY(!shown.text.contains("%d"));

    rig.guides.show(GuideMessages::Editor);
    QCOMPARE(rig.prompter.guides.last().text, GuideMessages::text(111));
    QCOMPARE(rig.prompter.guides.last().kind, Prompter::GuideKind::OkHelp);
    QCOMPARE(rig.prompter.guides.last().helpContext, 98348);

    QCOMPARE(rig.guides.show(0x400000), int(GuideMessages::NotShown));
    QCOMPARE(rig.prompter.guides.size(), 2);
}

void GuideMessagesTest::answersMapToResults()
{
    Rig rig;
    rig.prompter.guideAnswers = {{Prompter::Yes, false}, {Prompter::No, false}, {Prompter::Cancel, false}};
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 1), 1);
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 1), 7);
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 1), int(GuideMessages::Cancelled));
    QCOMPARE(rig.settings.dialogFlags(), 0xFFFFFFFFu);
}

void GuideMessagesTest::dontShowAgainClearsTheBitExceptOnCancel()
{
    Rig rig;
    // Cancel with the box ticked: the box is not read.
    rig.prompter.guideAnswers = {{Prompter::Cancel, true}};
    QCOMPARE(rig.guides.show(GuideMessages::Flip), int(GuideMessages::Cancelled));
    QVERIFY(rig.settings.dialogFlag(GuideMessages::Flip));

    rig.prompter.guideAnswers = {{Prompter::Ok, true}};
    QCOMPARE(rig.guides.show(GuideMessages::Flip), 1);
    QCOMPARE(rig.settings.dialogFlags(), 0xFFFFFFFFu & ~0x40u);
    QCOMPARE(rig.guides.show(GuideMessages::Flip), int(GuideMessages::NotShown));
    QCOMPARE(rig.prompter.guides.size(), 2);

    rig.prompter.guideAnswers = {{Prompter::No, true}};
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 2), 7);
    QVERIFY(!rig.settings.dialogFlag(GuideMessages::PrintFlashcards));
    QCOMPARE(rig.guides.show(GuideMessages::PrintFlashcards, 2), -100);

    // The general form follows the same bit.
    QCOMPARE(rig.guides.show(GuideMessages::Flip, Prompter::GuideKind::OkOnly, "x", 2), -100);
}

void GuideMessagesTest::showAllAndHideAll()
{
    Rig rig;
    rig.guides.hideAll();
    for (const GuideMessages::Entry& e : GuideMessages::entries())
        QCOMPARE(rig.guides.show(e.bit, 1), -100);
    QVERIFY(rig.prompter.guides.isEmpty());

    rig.guides.showAll();
    QCOMPARE(rig.settings.dialogFlags(), 0xFFFFFFFFu);
    for (const GuideMessages::Entry& e : GuideMessages::entries())
        QCOMPARE(rig.guides.show(e.bit, 1), 1);
    QCOMPARE(rig.prompter.guides.size(), 21);
}

void GuideMessagesTest::dialogButtonsPerKind()
{
    GuideDialog yesNo(Prompter::GuideKind::YesNoHelp, "text");
    QCOMPARE(yesNo.windowTitle(), QString("Brainlark Tips"));
    QCOMPARE(buttonTexts(yesNo), QStringList({"&Yes", "&No", "&Help"}));
    GuideDialog okHelp(Prompter::GuideKind::OkHelp, "text");
    QCOMPARE(buttonTexts(okHelp), QStringList({"&OK", "&Help"}));
    GuideDialog okOnly(Prompter::GuideKind::OkOnly, "line one\nline two");
    QCOMPARE(buttonTexts(okOnly), QStringList({"&OK"}));

    auto* box = okOnly.findChild<QCheckBox*>("dontShowAgain");
    QVERIFY(box);
    QCOMPARE(box->text(), QString("&Don't show this message again"));
    QVERIFY(!box->isChecked());
    auto* text = okOnly.findChild<QPlainTextEdit*>("guideText");
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->toPlainText(), QString("line one\nline two"));
}

void GuideMessagesTest::dialogAnswerReadsCheckBoxOnlyWhenConfirmed()
{
    GuideDialog dialog(Prompter::GuideKind::YesNoHelp, "text");
    dialog.open();
    dialog.findChild<QCheckBox*>("dontShowAgain")->setChecked(true);
    QTest::mouseClick(dialog.findChild<QPushButton*>("noButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer().result, int(Prompter::No));
    QVERIFY(dialog.answer().dontShowAgain);

    GuideDialog escaped(Prompter::GuideKind::OkOnly, "text");
    escaped.open();
    escaped.findChild<QCheckBox*>("dontShowAgain")->setChecked(true);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QVERIFY(!escaped.isVisible());
    QCOMPARE(escaped.answer().result, int(Prompter::Cancel));
    QVERIFY(!escaped.answer().dontShowAgain);
}

void GuideMessagesTest::helpOpensThePageAndKeepsTheDialogOpen()
{
    RecordingShellOpener shell;
    QtPrompter prompter(shell);
    prompter.setProgramFolder("/pf");
    bool stillOpenAfterHelp = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<GuideDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton*>("helpButton"), Qt::LeftButton);
        stillOpenAfterHelp = dialog->isVisible();
        dialog->findChild<QCheckBox*>("dontShowAgain")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    const Prompter::GuideAnswer answer = prompter.guide(Prompter::GuideKind::OkHelp, "tip", 34);
    QVERIFY(stillOpenAfterHelp);
    QCOMPARE(shell.opened, QStringList({"file:///pf/help/index.html#context-34"}));
    QCOMPARE(answer.result, int(Prompter::Ok));
    QVERIFY(answer.dontShowAgain);

    // In the program the Help button opens the program's own help window, not the browser.
    QList<int> asked;
    prompter.setHelpOpener([&asked](int context) { asked.append(context); });
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<GuideDialog*>(QApplication::activeModalWidget());
        QTest::mouseClick(dialog->findChild<QPushButton*>("helpButton"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    prompter.guide(Prompter::GuideKind::OkHelp, "tip", 33);
    QCOMPARE(asked, QList<int>{33});
    QCOMPARE(shell.opened.size(), 1);
}

// A Help button whose topic is missing from the page lands at its top, which looks like a broken link.
void GuideMessagesTest::shippedHelpPageHasEveryTopic()
{
    QFile page(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/help/index.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QList<int> contexts;
    for (const GuideMessages::Entry& entry : GuideMessages::entries())
        contexts.append(entry.helpContext);
    // The help menu (How do I, Tutorial) and the quiz screen's own help commands.
    contexts << 36 << 2 << 0x20000 + 32833 << 131251;
    for (int context : contexts) {
        const QByteArray anchor = "id=\"context-" + QByteArray::number(context) + '"';
        QVERIFY2(html.contains(anchor), anchor.constData());
    }
}

QTEST_MAIN(GuideMessagesTest)
#include "guidemessages_test.moc"
