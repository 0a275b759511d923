#include "support/quizrig.h"

#include "quiz/ui/flashcard.h"
#include "quiz/ui/quizpainter.h"

#include <QPainter>

#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// A pixel just inside a box's top-left corner, clear of its text and frame.
QRgb insideCorner(const QImage& image, const Rect& r)
{
    return image.pixel(r.left + 3, r.top + 3) & 0xFFFFFF;
}

QRgb slot(const QuizRig& rig, int index)
{
    return rig.settings.palette().rgb(index);
}

} // namespace

class QuizDrawTest : public QObject
{
    Q_OBJECT
private slots:
    void pressedRightBoxShowsTheRightColour();
    void wrongBoxKeepsTheWrongColour();
    void unansweredBoxesKeepTheirFill();
    void counterTurnsToTheAlertColour();
    void backgroundFillsTheScreen();
    void typingFieldShowsTheTypedText();
    void classicLayoutPutsTheAnswersOnLines();
    void transparentBoxesAreOnlyOutlined_data();
    void transparentBoxesAreOnlyOutlined();
    void aCardShowsNoCornersAndItsNumberInside();
};

void QuizDrawTest::pressedRightBoxShowsTheRightColour()
{
    QuizRig rig;
    rig.settings.setFillMode(true);
    rig.startQuiz(0);
    const int box = rig.rightBox();
    QTest::mousePress(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(box));
    const QImage& shown = rig.view->backBuffer();
    QCOMPARE(insideCorner(shown, rig.view->screen().answer(box).rect()), slot(rig, SkinPalette::Right));
    QTest::mouseRelease(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(box));
}

void QuizDrawTest::wrongBoxKeepsTheWrongColour()
{
    QuizRig rig;
    rig.settings.setFillMode(true);
    rig.startQuiz(0);
    const int box = rig.wrongBox();
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(box));
    const Rect r = rig.view->screen().answer(box).rect();
    QCOMPARE(insideCorner(rig.view->backBuffer(), r), slot(rig, SkinPalette::Wrong));
    // Painting again from scratch shows the same: the feedback is part of the screen's state.
    rig.view->render();
    QCOMPARE(insideCorner(rig.view->backBuffer(), r), slot(rig, SkinPalette::Wrong));
}

void QuizDrawTest::unansweredBoxesKeepTheirFill()
{
    QuizRig rig;
    rig.settings.setFillMode(true);
    rig.startQuiz(0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(insideCorner(rig.view->backBuffer(), rig.view->screen().answer(i).rect()),
                 slot(rig, SkinPalette::Box4));
    QCOMPARE(insideCorner(rig.view->backBuffer(), rig.view->screen().question().rect()),
             slot(rig, SkinPalette::Box1));
}

void QuizDrawTest::counterTurnsToTheAlertColour()
{
    QuizRig rig;
    rig.settings.setAlertFactor(3);
    rig.startQuiz(0);
    const Rect counter = rig.view->screen().layout().counterBox(0, false);
    QCOMPARE(insideCorner(rig.view->backBuffer(), counter), slot(rig, SkinPalette::Counter2));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(rig.view.get(), Qt::Key(Qt::Key_1 + rig.rightBox()));
    QCOMPARE(rig.view->session()->rightCount(), 3);
    QCOMPARE(insideCorner(rig.view->backBuffer(), counter), slot(rig, SkinPalette::Counter1));
    rig.settings.setFunFlag(AppFlags::SmartCounter, false);
    rig.view->render();
    // Without the counter its corner shows the question box it sits on.
    QCOMPARE(insideCorner(rig.view->backBuffer(), counter), slot(rig, SkinPalette::Box1));
}

void QuizDrawTest::backgroundFillsTheScreen()
{
    QuizRig rig;
    rig.startQuiz(0);
    const QImage& shown = rig.view->backBuffer();
    QCOMPARE(shown.size(), QSize(800, 600));
    QCOMPARE(shown.pixel(799, 599) & 0xFFFFFF, slot(rig, SkinPalette::Background));
    QCOMPARE(shown.pixel(2, 2) & 0xFFFFFF, slot(rig, SkinPalette::Background));
}

void QuizDrawTest::typingFieldShowsTheTypedText()
{
    QuizRig rig;
    rig.startQuiz(2);
    const Rect field = rig.view->screen().typein()->rect();
    auto inkIn = [&](const QImage& image) {
        int ink = 0;
        const QRgb fill = slot(rig, SkinPalette::Box4);
        for (int y = field.top + 3; y < field.bottom - 3; ++y)
            for (int x = field.left + 3; x < field.right - 3; ++x)
                ink += (image.pixel(x, y) & 0xFFFFFF) != fill;
        return ink;
    };
    QTest::keyClick(rig.view.get(), Qt::Key_R, Qt::ControlModifier);
    const int empty = inkIn(rig.view->backBuffer());
    QTest::keyClicks(rig.view.get(), "Hello");
    QCOMPARE(rig.view->screen().typein()->typedText(), std::string("Hello"));
    QVERIFY(inkIn(rig.view->backBuffer()) > empty + 50);

    // Centred, the caret at the end does not push the word aside: moving it to the start changes only
    // the underline's rows.
    rig.settings.setFunFlag2(funflags2::kTypeinCenterText, true);
    rig.view->render();
    const QImage atEnd = rig.view->backBuffer().copy(QuizPainter::toQRect(field));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(rig.view.get(), Qt::Key_Left);
    const QImage atStart = rig.view->backBuffer().copy(QuizPainter::toQRect(field));
    int rowsChanged = 0;
    for (int y = 0; y < atEnd.height(); ++y)
        rowsChanged += atEnd.copy(0, y, atEnd.width(), 1) != atStart.copy(0, y, atStart.width(), 1);
    QVERIFY(rowsChanged > 0);
    QVERIFY(rowsChanged <= 2);
}

void QuizDrawTest::classicLayoutPutsTheAnswersOnLines()
{
    QuizRig rig;
    rig.startQuiz(0, 1);
    for (int i = 0; i < 4; ++i) {
        const Rect r = rig.view->screen().answer(i).rect();
        QCOMPARE(r.left, 40);
        QCOMPARE(r.top, 100 + 70 * i);
        QVERIFY(rig.view->screen().answer(i).text().rfind("\xE2\x80\xA2 ", 0) == 0);
    }
    QCOMPARE(rig.view->screen().question().rect().bottom, 88);
    // A click on a Classic answer line judges it.
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.view->session()->rightCount(), 1);
}

void QuizDrawTest::transparentBoxesAreOnlyOutlined_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("multiple-choice") << 0;
    QTest::newRow("true/false") << 1;
    QTest::newRow("type-in") << 2;
}

// With "Transparent boxes" every framed box of the screen lets the background through: the question,
// the answers, the True/False and Try/Skip buttons, the typing field and the counter.
void QuizDrawTest::transparentBoxesAreOnlyOutlined()
{
    QFETCH(int, mode);
    QuizRig rig;
    rig.settings.setFillMode(false);
    rig.startQuiz(mode);
    const QuizScreen& screen = rig.view->screen();
    std::vector<Rect> boxes{screen.question().rect(), screen.layout().counterBox(0, false)};
    if (mode == 0) {
        for (int i = 0; i < 4; ++i)
            boxes.push_back(screen.answer(i).rect());
    } else {
        boxes.push_back(screen.button(0).rect());
        boxes.push_back(screen.button(1).rect());
        boxes.push_back(mode == 2 ? screen.typein()->rect() : screen.answer(0).rect());
    }
    const QRgb background = slot(rig, SkinPalette::Background);
    for (const Rect& box : boxes) {
        QVERIFY(!box.isEmpty());
        QCOMPARE(insideCorner(rig.view->backBuffer(), box), background);
    }
}

QTEST_MAIN(QuizDrawTest)
#include "quizdraw_test.moc"

// The shipped card: the white ground around its rounded corners does not show (the ground under it does),
// and its number sits inside the border, not on it.
void QuizDrawTest::aCardShowsNoCornersAndItsNumberInside()
{
    const QImage picture(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/card.bmp"));
    QVERIFY(!picture.isNull());
    const QColor ground(255, 0, 255);
    FlashCard card(picture, QFont("DejaVu Sans"), HslColor(120, 140, 200), HslColor(0, 0, 255),
                   HslColor(0, 128, 0));
    card.setNumber(7);
    QImage image(700, 460, QImage::Format_RGB32);
    image.fill(ground);
    const QPoint at(20, 20);
    {
        QPainter painter(&image);
        card.draw(painter, at);
    }
    const QRect rect(at, card.size());
    QCOMPARE(image.pixelColor(rect.topLeft()), ground);
    QCOMPARE(image.pixelColor(rect.topRight()), ground);
    QVERIFY(image.pixelColor(rect.bottomLeft()) != QColor(Qt::white)); // the shadow's shape, not white
    QCOMPARE(image.pixelColor(rect.center()), picture.pixelColor(picture.rect().center()));

    // The number's dark blue ink lies well inside the card's border.
    QRect number;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > c.red() + 60 && c.blue() > c.green() + 60 && c.lightness() < 140)
                number |= QRect(x, y, 1, 1);
        }
    QVERIFY(number.isValid());
    QVERIFY2(rect.adjusted(14, 14, -14, -14).contains(number), qPrintable(QDebug::toString(number)));
}
