// The options sheet: every control writes its setting on OK (and nothing before), Show All / Hide All act
// at once, the background pattern, the slideshow delay's sign, fonts with their guide and filters, the
// answer-selection check, the Layout page's previews and the True/False lock.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/pairlist.h"
#include "options/answerselection.h"
#include "options/colorswatch.h"
#include "options/layoutpage.h"
#include "options/optionssheet.h"
#include "options/visualpage.h"
#include "quiz/ui/backgroundpicture.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

using namespace brainlark;
using namespace brainlark::testing;

using Getter = int (*)(const AppSettings&);
Q_DECLARE_METATYPE(Getter)

namespace
{

namespace ff = funflags;
namespace ff2 = funflags2;

/// A sheet over fresh default settings, with the answer-selection check and the background setter of the
/// program.
struct SheetRig {
    SheetRig()
    {
        settings.setInstallPath(dir.path());
        settings.resetToDefaults();
        for (int i = 0; i < 6; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    }

    OptionsSheet& open(OptionsSheet::Pages pages = OptionsSheet::Pages::All)
    {
        OptionsApplier::Hooks hooks;
        hooks.checkAnswerSelection = [this] {
            ++checks;
            return AnswerSelection::check(settings, settings.funFlag(ff::kPredefinedAnswers), &list, &guides);
        };
        hooks.setBackgroundPicture = [this](const QString& path) {
            BackgroundPicture::useAsBackground(settings, path, &prompter);
        };
        const OptionsContext context{settings,
                                     prompter,
                                     guides,
                                     random,
                                     [this](const QString& path) { previews.append(path); },
                                     [this](QWidget*) { ++fits; }};
        sheet = std::make_unique<OptionsSheet>(pages, context, hooks);
        return *sheet;
    }
    template <class Widget> Widget* find(const char* name) const
    {
        auto* widget = sheet->findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qWarning("no control %s", name);
        return widget;
    }
    void click(const char* button) const { find<QPushButton>(button)->click(); }

    QTemporaryDir dir;
    ScriptedRandom random;
    RecordingPrompter prompter;
    AppSettings settings{random};
    GuideMessages guides{settings, prompter};
    PairList list;
    int checks = 0;
    int fits = 0;
    QStringList previews;
    std::unique_ptr<OptionsSheet> sheet;
};

bool writeJpeg(const QString& path)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image.save(path, "JPG");
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void checkBoxWritesItsSetting_data();
    void checkBoxWritesItsSetting();
    void radioWritesItsSetting_data();
    void radioWritesItsSetting();
    void valueControlsWriteTheirSettings();
    void cancelWritesNothing();
    void hideAllActsAtOnceAndSurvivesCancel();
    void showAllAsksFirst();
    void backgroundPattern_data();
    void backgroundPattern();
    void slideshowDelaySign_data();
    void slideshowDelaySign();
    void changesAskForARedrawOrANewQuestion();
    void predefinedWithoutWrongAnswersShowsGuide130();
    void fontButtonsShowTheGuideThenTheChooser();
    void resetAllPutsBackThePresetFonts();
    void pictureControlsAndColourControlsTakeTurns();
    void browseValidatesThePicture();
    void backgroundPictureTypeByItsLastFourCharacters();
    void previewShowsThePathOfTheEdit();
    void layoutOnlySheetChangesOnlyTheLayout();
    void randomBoxesPreviewCyclesWithoutRepeating();
    void trueFalseLocksTheLayoutChoice();
    void classicHasNoBoxOptions();
    void tabGoesDownEachColumnBeforeTheNext();
};

void OptionsTest::checkBoxWritesItsSetting_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Getter>("setting");
    const struct {
        const char* control;
        Getter setting;
    } rows[] = {
        {"loadLastFile", [](const AppSettings& s) { return int(s.loadLastFile()); }},
        {"startAutomatically", [](const AppSettings& s) { return int(s.callGo()); }},
        {"smartCounter", [](const AppSettings& s) { return int(s.funFlag(ff::kSmartCounter)); }},
        {"automaticAnswers", [](const AppSettings& s) { return int(s.showHint()); }},
        {"continueAfterWrong", [](const AppSettings& s) { return int(s.funFlag(ff::kContinueAfterWrong)); }},
        {"autoPlayQuestionSounds",
         [](const AppSettings& s) { return int(s.funFlag(ff::kAutoPlayQuestionSounds)); }},
        {"transition", [](const AppSettings& s) { return int(s.funFlag(ff::kTransition)); }},
        {"reminderCard", [](const AppSettings& s) { return int(s.funFlag(ff::kReminderCard)); }},
        {"animateQuestion", [](const AppSettings& s) { return int(s.funFlag(ff::kAnimateQuestion)); }},
        {"hideText", [](const AppSettings& s) { return int(s.funFlag(ff::kHideText)); }},
        {"picture", [](const AppSettings& s) { return int(s.bkgType() == 1); }},
        {"background3d", [](const AppSettings& s) { return int(s.funFlag(ff::kBackground3D)); }},
        {"customColor", [](const AppSettings& s) { return int(s.funFlag2(ff2::kCustomBkgColor)); }},
        {"transparentBoxes", [](const AppSettings& s) { return int(!s.fillMode()); }},
        {"roundCorners", [](const AppSettings& s) { return int(s.funFlag(ff::kRoundCorners)); }},
        {"keepTrying", [](const AppSettings& s) { return int(s.funFlag(ff::kTypeinKeepTrying)); }},
        {"clearAnswerField", [](const AppSettings& s) { return int(s.funFlag(ff::kTypeinClearAfterWrong)); }},
        {"typeinReminderCard",
         [](const AppSettings& s) { return int(s.funFlag2(ff2::kTypeinReminderCard)); }},
        {"ignoreCase", [](const AppSettings& s) { return int(s.funFlag(ff::kTypeinIgnoreCase)); }},
        {"ignoreSpaces", [](const AppSettings& s) { return int(s.funFlag(ff::kTypeinIgnoreSpaces)); }},
        {"ignorePunctuation",
         [](const AppSettings& s) { return int(s.funFlag(ff::kTypeinIgnorePunctuation)); }},
        {"centerText", [](const AppSettings& s) { return int(s.funFlag2(ff2::kTypeinCenterText)); }},
        {"widerWrongLine", [](const AppSettings& s) { return int(s.funFlag2(ff2::kMatchWiderLine)); }},
        {"slideshowRandomOrder", [](const AppSettings& s) { return int(s.funFlag(ff::kSlideRandomOrder)); }},
        {"slideshowQuestionSounds",
         [](const AppSettings& s) { return int(s.funFlag(ff::kSlideQuestionSounds)); }},
        {"slideshowAnswerSounds",
         [](const AppSettings& s) { return int(s.funFlag(ff::kSlideAnswerSounds)); }},
        {"slideshowAnimations", [](const AppSettings& s) { return int(s.funFlag(ff::kSlideAnimations)); }},
        {"slideshowShowTitle", [](const AppSettings& s) { return int(s.funFlag(ff::kSlideShowTitle)); }},
        {"slideshowDelayAnswer", [](const AppSettings& s) { return int(s.funFlag(ff::kSlideDelayAnswer)); }},
        {"showPictures", [](const AppSettings& s) { return int(s.funFlag(ff::kShowPictures)); }},
        {"autoresizePictureWindow",
         [](const AppSettings& s) { return int(s.funFlag(ff::kAutoresizePictureWindow)); }},
        {"htmlStatistics", [](const AppSettings& s) { return int(s.funFlag(ff::kHtmlStatistics)); }},
    };
    for (const auto& row : rows)
        QTest::newRow(row.control) << QString::fromLatin1(row.control) << row.setting;
}

void OptionsTest::checkBoxWritesItsSetting()
{
    QFETCH(QString, control);
    QFETCH(Getter, setting);
    SheetRig rig;
    rig.open();
    auto* box = rig.sheet->findChild<QCheckBox*>(control);
    QVERIFY(box);
    const int before = setting(rig.settings);
    QCOMPARE(int(box->isChecked()), before); // the page opened with the stored value
    box->setChecked(!box->isChecked());
    QCOMPARE(setting(rig.settings), before); // nothing is written before OK
    rig.sheet->accept();
    QCOMPARE(setting(rig.settings), int(!before));
}

void OptionsTest::radioWritesItsSetting_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Getter>("setting");
    QTest::addColumn<int>("expected");
    const Getter selection = [](const AppSettings& s) { return s.questionSelectionMode(); };
    const Getter predefined = [](const AppSettings& s) { return int(s.funFlag(ff::kPredefinedAnswers)); };
    const Getter style = [](const AppSettings& s) { return s.visualStyle(); };
    const Getter preFill = [](const AppSettings& s) { return s.preFill(); };
    const Getter manual = [](const AppSettings& s) { return int(s.slideshowDelay() < 0); };
    QTest::newRow("sequential") << "sequential" << selection << 1;
    QTest::newRow("randomPick") << "randomPick" << selection << 2;
    QTest::newRow("randomAnswers") << "randomAnswers" << predefined << 0;
    QTest::newRow("layoutRandom") << "layoutRandom" << style << 0;
    QTest::newRow("layoutClassic") << "layoutClassic" << style << 1;
    QTest::newRow("layoutBoxes3") << "layoutBoxes3" << style << 4;
    QTest::newRow("layoutBoxes4") << "layoutBoxes4" << style << 5;
    for (int i : {0, 1, 2, 4, 5}) {
        const QByteArray name = "preFill" + QByteArray::number(i);
        QTest::newRow(name.constData()) << QString::fromLatin1(name) << preFill << i;
    }
    QTest::newRow("slideshowManual") << "slideshowManual" << manual << 1;
}

void OptionsTest::radioWritesItsSetting()
{
    QFETCH(QString, control);
    QFETCH(Getter, setting);
    QFETCH(int, expected);
    SheetRig rig;
    rig.open();
    auto* button = rig.sheet->findChild<QRadioButton*>(control);
    QVERIFY(button);
    QVERIFY(setting(rig.settings) != expected);
    button->click();
    rig.sheet->accept();
    QCOMPARE(setting(rig.settings), expected);
}

void OptionsTest::valueControlsWriteTheirSettings()
{
    SheetRig rig;
    rig.settings.setFunFlag2(ff2::kCustomBkgColor, true);
    rig.settings.setBkgType(0); // the colour controls are live only without a picture
    rig.open();
    auto* scheme = rig.find<QComboBox>("soundScheme");
    QCOMPARE(scheme->currentText(), QString("Cartoons"));
    QCOMPARE(scheme->itemText(3), QString("Cartoons-2"));
    scheme->setCurrentIndex(2);
    rig.find<QSpinBox>("matchRows")->setValue(7);
    rig.find<QSpinBox>("slideshowSeconds")->setValue(6);
    QCOMPARE(rig.find<QSpinBox>("desiredRetention")->value(), 90);
    rig.find<QSpinBox>("desiredRetention")->setValue(99); // beyond the range: its highest
    rig.click("fitWeights");                              // acts at once, through the program's fit
    QCOMPARE(rig.fits, 1);
    rig.prompter.colorAnswers = {QColor(10, 20, 30), QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9)};
    for (const char* swatch : {"customSwatch", "matchInit", "matchWrong", "matchRight"})
        QTest::mouseClick(rig.find<ColorSwatch>(swatch), Qt::LeftButton);
    rig.sheet->accept();
    QCOMPARE(rig.settings.soundTheme(), 2);
    QCOMPARE(rig.settings.matchQuizRows(), 7);
    QCOMPARE(rig.settings.slideshowDelay(), 6);
    QCOMPARE(rig.settings.desiredRetention(), 0.97);
    QCOMPARE(rig.settings.customBkgColor(), QColor(10, 20, 30));
    QCOMPARE(rig.settings.matchColorInit(), QColor(1, 2, 3));
    QCOMPARE(rig.settings.matchColorWrong(), QColor(4, 5, 6));
    QCOMPARE(rig.settings.matchColorRight(), QColor(7, 8, 9));
    QCOMPARE(rig.prompter.colorRequests, 4);
}

void OptionsTest::cancelWritesNothing()
{
    SheetRig rig;
    rig.open();
    const uint32_t flags = rig.settings.funFlags();
    rig.find<QCheckBox>("smartCounter")->setChecked(false);
    rig.find<QRadioButton>("layoutBoxes4")->click();
    rig.sheet->reject();
    QCOMPARE(rig.settings.funFlags(), flags);
    QCOMPARE(rig.settings.visualStyle(), 2);
}

void OptionsTest::hideAllActsAtOnceAndSurvivesCancel()
{
    SheetRig rig;
    rig.open();
    QVERIFY(!rig.find<QPushButton>("showAll")->isEnabled()); // every tip is on
    rig.click("hideAll");
    QCOMPARE(rig.prompter.messageTexts(), QStringList{"Would you like to disable all Brainlark tips?"});
    QVERIFY(rig.prompter.messages.first().icon == Prompter::Icon::Question);
    QCOMPARE(rig.settings.dialogFlags(), 0u);
    QVERIFY(rig.find<QPushButton>("showAll")->isEnabled());
    QVERIFY(!rig.find<QPushButton>("hideAll")->isEnabled());
    rig.sheet->reject();
    QCOMPARE(rig.settings.dialogFlags(), 0u);
}

void OptionsTest::showAllAsksFirst()
{
    SheetRig rig;
    rig.settings.setDialogFlags(0x10);
    rig.open();
    rig.prompter.messageAnswers = {Prompter::No};
    rig.click("showAll");
    QCOMPARE(rig.settings.dialogFlags(), 0x10u);
    rig.click("showAll");
    QCOMPARE(rig.prompter.messages.last().text, QString("Would you like to enable all Brainlark tips?"));
    QCOMPARE(rig.settings.dialogFlags(), 0xFFFFFFFFu);
    QVERIFY(!rig.find<QPushButton>("showAll")->isEnabled());
}

void OptionsTest::backgroundPattern_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("hatch");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("width");
    QTest::newRow("squares") << "patternSquares" << true << 20 << 7;
    QTest::newRow("lines") << "patternLines" << true << 15 << 1;
    QTest::newRow("none keeps the lines") << "patternNone" << false << 9 << 4;
    QTest::newRow("do not change") << "patternUnchanged" << false << 9 << 4;
}

void OptionsTest::backgroundPattern()
{
    QFETCH(QString, control);
    QFETCH(bool, hatch);
    QFETCH(int, step);
    QFETCH(int, width);
    SheetRig rig;
    rig.settings.setBkgType(0); // the pattern is chosen for a background without picture
    rig.settings.setHatch(false);
    rig.settings.setLineStep(9);
    rig.settings.setLineWidth(4);
    rig.open();
    QVERIFY(rig.find<QRadioButton>("patternUnchanged")->isChecked()); // where the page starts
    rig.sheet->findChild<QRadioButton*>(control)->click();
    rig.sheet->accept();
    QCOMPARE(rig.settings.hatch(), hatch);
    QCOMPARE(rig.settings.lineStep(), step);
    QCOMPARE(rig.settings.lineWidth(), width);
}

void OptionsTest::slideshowDelaySign_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("readsBackManual");
    QTest::newRow("manual 5") << 2 << 5 << true << -5 << true;
    QTest::newRow("manual 0 stays manual") << 2 << 0 << true << 0 << true;
    QTest::newRow("automatic 3") << -4 << 3 << false << 3 << false;
    QTest::newRow("automatic 45, beyond the arrows") << 2 << 45 << false << 45 << false;
    QTest::newRow("automatic 60, the longest kept") << 60 << 60 << false << 60 << false;
    QTest::newRow("automatic refuses 0") << 2 << 0 << false << 2 << false;
}

void OptionsTest::slideshowDelaySign()
{
    QFETCH(int, stored);
    QFETCH(int, seconds);
    QFETCH(bool, manual);
    QFETCH(int, written);
    QFETCH(bool, readsBackManual);
    SheetRig rig;
    rig.settings.setSlideshowDelay(stored);
    rig.open();
    QCOMPARE(rig.find<QSpinBox>("slideshowSeconds")->value(), std::abs(stored));
    QCOMPARE(rig.find<QRadioButton>("slideshowManual")->isChecked(), stored < 0);
    rig.find<QRadioButton>(manual ? "slideshowManual" : "slideshowAutomatic")->click();
    // Typed as the learner types it over the selected value.
    QSpinBox* field = rig.find<QSpinBox>("slideshowSeconds");
    field->selectAll();
    QTest::keyClicks(field, QString::number(seconds));
    rig.sheet->accept();
    QCOMPARE(rig.settings.slideshowDelay(), written);
    rig.open();
    QCOMPARE(rig.find<QRadioButton>("slideshowManual")->isChecked(), readsBackManual);
}

void OptionsTest::changesAskForARedrawOrANewQuestion()
{
    const struct {
        const char* control;
        bool redraw;
        bool newQuestion;
    } rows[] = {
        {"hideText", true, false},      {"customColor", true, false}, {"layoutBoxes3", true, false},
        {"roundCorners", true, false},  {"centerText", true, false},  {"preFill1", false, true},
        {"randomAnswers", false, true}, {"transition", false, false}, {"keepTrying", false, false},
    };
    for (const auto& row : rows) {
        SheetRig rig;
        rig.settings.setBkgType(0);
        rig.open();
        QVERIFY(rig.sheet->outcome().redraw == false && rig.sheet->outcome().newQuestion == false);
        auto* button = rig.sheet->findChild<QAbstractButton*>(QLatin1String(row.control));
        QVERIFY2(button, row.control);
        button->click();
        rig.sheet->accept();
        QVERIFY2(rig.sheet->outcome().redraw == row.redraw, row.control);
        QVERIFY2(rig.sheet->outcome().newQuestion == row.newQuestion, row.control);
    }
    SheetRig matching;
    matching.open();
    matching.find<QSpinBox>("matchRows")->setValue(9);
    matching.sheet->accept();
    QVERIFY(matching.sheet->outcome().newQuestion);
}

void OptionsTest::predefinedWithoutWrongAnswersShowsGuide130()
{
    SheetRig rig;
    rig.settings.setFunFlag(ff::kPredefinedAnswers, false);
    rig.settings.setAnswerMode(AppSettings::AnswerMode::Random);
    rig.open();
    rig.find<QRadioButton>("predefinedAnswers")->click();
    rig.sheet->accept();
    QCOMPARE(rig.checks, 1);
    QCOMPARE(rig.prompter.guides.size(), 1);
    QCOMPARE(rig.prompter.guides.first().text, GuideMessages::text(130));
    QCOMPARE(rig.prompter.guides.first().helpContext, 34);
    QVERIFY(rig.settings.funFlag(ff::kPredefinedAnswers));
    QVERIFY(rig.settings.answerMode() == AppSettings::AnswerMode::Random);
    QVERIFY(rig.sheet->outcome().newQuestion);

    // With predefined wrong answers the list is used as entered.
    SheetRig withWrong;
    Pair wrong("q0", "w0");
    wrong.setKind(Pair::WrongAnswer);
    withWrong.list.wrongAnswers().push_back(wrong);
    withWrong.settings.setFunFlag(ff::kPredefinedAnswers, false);
    withWrong.open();
    withWrong.find<QRadioButton>("predefinedAnswers")->click();
    withWrong.sheet->accept();
    QVERIFY(withWrong.prompter.guides.isEmpty());
    QVERIFY(withWrong.settings.answerMode() == AppSettings::AnswerMode::Predefined);

    // Unchanged, the check does not run at all.
    SheetRig same;
    same.open();
    same.sheet->accept();
    QCOMPARE(same.checks, 0);
}

void OptionsTest::fontButtonsShowTheGuideThenTheChooser()
{
    SheetRig rig;
    rig.open();
    QFont big(QStringLiteral("DejaVu Serif"));
    big.setPixelSize(30);
    rig.prompter.fontAnswers = {big, std::nullopt, std::nullopt, std::nullopt};
    for (const char* button : {"questionFont", "answerFont", "cardFont", "printedCardFont"})
        rig.click(button);
    QCOMPARE(rig.prompter.fontTitles,
             QStringList({"Question Font", "Answer Font", "Flashcard Font", "Printed Flashcard Font"}));
    // Only the question may be set in a symbol font.
    QCOMPARE(rig.prompter.fontFilters, QList<unsigned>({0u, Prompter::NoSymbolFaces, Prompter::NoSymbolFaces,
                                                        Prompter::NoSymbolFaces}));
    QCOMPARE(rig.prompter.guides.size(), 4);
    QCOMPARE(rig.prompter.guides.first().text, GuideMessages::text(126));
    QVERIFY(rig.prompter.guides.first().kind == Prompter::GuideKind::OkOnly);
    QCOMPARE(rig.settings.fontFace(AppSettings::Font::Question), QString("Comic Sans MS")); // not before OK
    rig.sheet->accept();
    QCOMPARE(rig.settings.fontFace(AppSettings::Font::Question), QString("DejaVu Serif"));
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::Question), -30);
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::Answer), -19); // cancelled choosers change nothing
}

void OptionsTest::resetAllPutsBackThePresetFonts()
{
    SheetRig rig;
    rig.settings.setFont(AppSettings::Font::Answer, -40, "DejaVu Sans Mono");
    rig.settings.setFont(AppSettings::Font::PrintedCard, -12, "DejaVu Serif");
    rig.settings.setFont(AppSettings::Font::B, -33, "DejaVu Serif");
    rig.open();
    rig.click("resetFonts");
    rig.sheet->accept();
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::Question), -24);
    QCOMPARE(rig.settings.fontFace(AppSettings::Font::Answer), QString("Verdana"));
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::Answer), -19);
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::Card), -20);
    QCOMPARE(rig.settings.fontHeight(AppSettings::Font::PrintedCard), -64);
    QCOMPARE(rig.settings.fontFace(AppSettings::Font::B), QString("DejaVu Serif")); // not on this page
}

void OptionsTest::pictureControlsAndColourControlsTakeTurns()
{
    SheetRig rig;
    rig.settings.setCustomBkgColor(QColor(200, 40, 40));
    rig.settings.setFunFlag2(ff2::kCustomBkgColor, true);
    rig.open();
    auto* picture = rig.find<QCheckBox>("picture");
    auto* swatch = rig.find<ColorSwatch>("customSwatch");
    QVERIFY(picture->isChecked());
    QVERIFY(rig.find<QPushButton>("browse")->isEnabled());
    QVERIFY(!rig.find<QRadioButton>("patternLines")->isEnabled());
    QVERIFY(!rig.find<QCheckBox>("customColor")->isEnabled());
    QVERIFY(!swatch->isActive());
    const QColor grey = swatch->shownColor();
    QCOMPARE(grey.red(), grey.green());
    QCOMPARE(grey.green(), grey.blue());
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(rig.prompter.colorRequests, 0); // an inactive swatch does not open the chooser

    picture->setChecked(false);
    QVERIFY(!rig.find<QLineEdit>("picturePath")->isEnabled());
    QVERIFY(!rig.find<QPushButton>("preview")->isEnabled());
    QVERIFY(rig.find<QRadioButton>("patternLines")->isEnabled());
    QVERIFY(swatch->isActive());
    QCOMPARE(swatch->shownColor(), QColor(200, 40, 40));
    rig.find<QCheckBox>("customColor")->setChecked(false);
    QVERIFY(!swatch->isActive());
}

void OptionsTest::browseValidatesThePicture()
{
    SheetRig rig;
    rig.settings.setLastBkgImageDir(QString());
    const QString good = rig.dir.filePath("sky.jpg");
    QVERIFY(writeJpeg(good));
    const QString broken = rig.dir.filePath("broken.gif");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    rig.open();
    rig.prompter.fileAnswers = {broken, good};
    rig.click("browse");
    QCOMPARE(rig.prompter.fileRequests.first().folderOrPath, rig.dir.path() + "/quiz_pictures/");
    QCOMPARE(rig.prompter.fileRequests.first().filter, QString(VisualPage::ImageFilter));
    QCOMPARE(rig.prompter.messageTexts(), QStringList{"Could not open " + broken});
    QVERIFY(rig.find<QLineEdit>("picturePath")->text() != broken);
    rig.click("browse");
    QCOMPARE(rig.find<QLineEdit>("picturePath")->text(), good);
    QCOMPARE(rig.settings.lastBkgImageDir(), rig.dir.path());
    rig.click("browse"); // cancelled
    QCOMPARE(rig.prompter.fileRequests.last().folderOrPath, rig.dir.path());
    QCOMPARE(rig.find<QLineEdit>("picturePath")->text(), good);
}

void OptionsTest::backgroundPictureTypeByItsLastFourCharacters()
{
    const struct {
        const char* name;
        bool accepted;
    } rows[] = {{"photo.jpeg", false}, {"PHOTO.JPG", true}, {"missing.gif", false}};
    for (const auto& row : rows) {
        SheetRig rig;
        const QString path = rig.dir.filePath(row.name);
        const bool missing = QString(row.name) == "missing.gif";
        if (!missing)
            QVERIFY(writeJpeg(path));
        rig.open();
        rig.find<QLineEdit>("picturePath")->setText(path);
        rig.sheet->accept();
        QVERIFY2((rig.settings.currentBkgFilePath() == path) == row.accepted, row.name);
        QVERIFY2(rig.settings.backgroundPicture().isNull() == !row.accepted, row.name);
        // Only a file of a known type that cannot be opened is reported.
        const QStringList expected = missing ? QStringList{"Could not open " + path} : QStringList();
        QCOMPARE(rig.prompter.messageTexts(), expected);
    }
}

void OptionsTest::previewShowsThePathOfTheEdit()
{
    SheetRig rig;
    rig.open();
    rig.find<QLineEdit>("picturePath")->setText("/somewhere/pic.gif");
    rig.click("preview");
    QCOMPARE(rig.previews, QStringList{"/somewhere/pic.gif"});
}

void OptionsTest::layoutOnlySheetChangesOnlyTheLayout()
{
    SheetRig rig;
    rig.settings.setBkgType(0);
    rig.open(OptionsSheet::Pages::LayoutOnly);
    QCOMPARE(rig.sheet->tabs()->count(), 1);
    QCOMPARE(rig.sheet->tabs()->tabText(0), QString("Layout"));
    QVERIFY(!rig.sheet->page<VisualPage>());
    const uint32_t flags = rig.settings.funFlags();
    const uint32_t flags2 = rig.settings.funFlags2();
    const int delay = rig.settings.slideshowDelay();
    rig.find<QRadioButton>("layoutBoxes2")->click();
    rig.find<QCheckBox>("transparentBoxes")->setChecked(true);
    rig.sheet->accept();
    QCOMPARE(rig.settings.visualStyle(), 3);
    QCOMPARE(rig.settings.effectiveLayout(), 2);
    QVERIFY(!rig.settings.fillMode());
    QCOMPARE(rig.settings.funFlags(), flags);
    QCOMPARE(rig.settings.funFlags2(), flags2);
    QCOMPARE(rig.settings.slideshowDelay(), delay);
    QCOMPARE(rig.checks, 0);
    QVERIFY(rig.sheet->outcome().redraw);
}

void OptionsTest::randomBoxesPreviewCyclesWithoutRepeating()
{
    SheetRig rig;
    rig.settings.setVisualStyle(0);
    rig.open(OptionsSheet::Pages::LayoutOnly);
    auto* page = rig.sheet->page<LayoutPage>();
    QVERIFY(page->previewTimerActive());
    QCOMPARE(page->shownPicture(), 0);
    // Each draw picks an index into the five pictures; a repeat of the previous pick takes the next one.
    const int start = (LayoutPage::previousPick() + 1) % 5;
    rig.random.push(uint32_t(start));
    page->tick();
    QCOMPARE(page->shownPicture(), LayoutPage::CyclePictures[size_t(start)]);
    rig.random.push(uint32_t(start));
    page->tick();
    QCOMPARE(LayoutPage::previousPick(), (start + 1) % 5);
    QCOMPARE(page->shownPicture(), LayoutPage::CyclePictures[size_t((start + 1) % 5)]);
    for (int i = 0; i < 20; ++i) {
        const int before = page->shownPicture();
        page->tick();
        QVERIFY(page->shownPicture() != before);
        QVERIFY(page->shownPicture() != 1); // Classic is not among them
    }
    // Another layout stops the cycle on its own picture.
    rig.find<QRadioButton>("layoutBoxes1")->click();
    QCOMPARE(page->shownPicture(), 2);
    page->tick();
    QCOMPARE(page->shownPicture(), 2);
    // The pictures come from the quiz painter: six distinct drawings of one size.
    for (int a = 0; a < 6; ++a) {
        QCOMPARE(page->preview(a).size(), page->preview(0).size());
        for (int b = a + 1; b < 6; ++b)
            QVERIFY(page->preview(a) != page->preview(b));
    }
}

void OptionsTest::trueFalseLocksTheLayoutChoice()
{
    SheetRig rig;
    rig.settings.setQuizMode(1);
    rig.open(OptionsSheet::Pages::LayoutOnly);
    for (const char* name :
         {"layoutRandom", "layoutClassic", "layoutBoxes1", "layoutBoxes2", "layoutBoxes3", "layoutBoxes4"})
        QVERIFY2(!rig.find<QRadioButton>(name)->isEnabled(), name);
    QVERIFY(!rig.sheet->page<LayoutPage>()->preview(2).isNull());
}

void OptionsTest::classicHasNoBoxOptions()
{
    SheetRig rig;
    rig.settings.setVisualStyle(1);
    rig.open(OptionsSheet::Pages::LayoutOnly);
    QVERIFY(!rig.find<QCheckBox>("transparentBoxes")->isEnabled());
    QVERIFY(!rig.find<QCheckBox>("roundCorners")->isEnabled());
    rig.find<QRadioButton>("layoutBoxes2")->click();
    QVERIFY(rig.find<QCheckBox>("transparentBoxes")->isEnabled());
    QVERIFY(rig.find<QCheckBox>("roundCorners")->isEnabled());
}

void OptionsTest::tabGoesDownEachColumnBeforeTheNext()
{
    SheetRig rig;
    OptionsSheet& sheet = rig.open();
    sheet.show();
    QApplication::setActiveWindow(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    QTabWidget* tabs = sheet.tabs();
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QWidget* page = tabs->currentWidget();
        tabs->tabBar()->setFocus();
        // Tab through the page as the learner does; a step back up the page must start a column to the right.
        QRect before;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            if (!page->isAncestorOf(at))
                break;
            const QRect here(at->mapTo(page, QPoint()), at->size());
            if (before.isValid() && here.bottom() < before.top())
                QVERIFY2(here.left() >= before.right(),
                         qPrintable(tabs->tabText(index) + ": Tab goes up to " + at->objectName() + " " +
                                    at->metaObject()->className()));
            before = here;
        }
        QVERIFY2(before.isValid(), qPrintable(tabs->tabText(index) + ": Tab never enters the page"));
    }
}

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
