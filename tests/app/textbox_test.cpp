#include "quiz/engine/textbox.h"
#include "quiz/engine/typeinfield.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/textboxpainter.h"
#include "support/fakes.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

using namespace brainlark;


namespace
{

const QRgb Paper = qRgb(255, 255, 255);
const QRgb Border = qRgb(200, 0, 0);
const QRgb Outline = qRgb(0, 0, 180);
const QRgb Base = qRgb(0, 160, 0);
const QRgb Ink = qRgb(22, 22, 222);
const QRgb Pale = qRgb(230, 160, 30);

QFont crispFont(int pixels = 15)
{
    // Without anti-aliasing every text pixel has exactly the pen colour.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

ColourScheme scheme()
{
    return {HslColor(0, 160, 0), HslColor(230, 160, 30)};
}

TextBox framedBox(const std::string& text = "")
{
    TextBox box(text);
    box.setRect(Rect::fromSize(10, 10, 120, 50));
    box.setFramed(true);
    box.setColors(HslColor(0, 0, 180), HslColor(200, 0, 0), HslColor(1, 2, 3));
    return box;
}

QImage canvas(const QSize& size = QSize(160, 80))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Paper);
    return image;
}

QImage drawBox(const TextBox& box, const TextBoxDrawOptions& options = {}, int fontPixels = 15)
{
    QImage image = canvas();
    QPainter painter(&image);
    TextBoxPainter::draw(painter, box, crispFont(fontPixels), scheme(), options);
    return image;
}

/// Bounding box of the pixels of one colour.
QRect extentOf(const QImage& image, QRgb colour)
{
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

/// Rows on which two pictures differ.
QList<int> differingRows(const QImage& a, const QImage& b)
{
    QList<int> rows;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                rows.append(y);
                break;
            }
    return rows;
}

QRect differingArea(const QImage& a, const QImage& b)
{
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

TypeinField typedField(const std::string& text, int caret)
{
    TypeinField field("", 0, Rect::fromSize(0, 0, 300, 80));
    field.clear();
    for (char c : text)
        field.handleChar(c);
    for (int i = int(text.size()); i > caret; --i)
        field.handleArrow(TypeinField::Arrow::Left);
    field.setColors(HslColor(0, 0, 180), HslColor(200, 0, 0), HslColor(1, 2, 3));
    return field;
}

QImage drawField(const TypeinField& field, bool centred, const TextBoxDrawOptions& options = {})
{
    QImage image = canvas(QSize(300, 80));
    QPainter painter(&image);
    TextBoxPainter::drawTypeIn(painter, field, crispFont(20), scheme(), centred, options);
    return image;
}

} // namespace

class TextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void opaqueBoxIsFilledWithTheSchemeAndBordered();
    void roundCornersLeaveTheCornerPixels();
    void transparentBoxOnlyGetsAnOutline();
    void unframedBoxDrawsOnlyText();
    void offsetMovesTheWholeBox();
    void shadowLayersStepAwayByFontHeight();
    void pressedLookMovesTheTextWithoutShadow();
    void layersCanBeDrawnOneByOne();
    void formatBecomesQtFlags();
    void listTextsAreShownAsTheyAre();
    void caretUnderlinesWithoutMovingText();
    void caretAtTheEndUnderlinesTheNextPlace();
    void typeInTextIsCentredOrLeftAligned();
    void oversizedFontShrinksToFitTheBox_data();
    void oversizedFontShrinksToFitTheBox();
    void renderForInspection();
};

void TextBoxTest::opaqueBoxIsFilledWithTheSchemeAndBordered()
{
    const QImage image = drawBox(framedBox());
    for (const QPoint& p : {QPoint(10, 10), QPoint(129, 10), QPoint(10, 59), QPoint(129, 59), QPoint(60, 10),
                            QPoint(10, 35), QPoint(129, 35), QPoint(60, 59)})
        QCOMPARE(image.pixel(p), Border);
    QCOMPARE(image.pixel(11, 11), Base);
    QCOMPARE(image.pixel(128, 58), Base);
    QCOMPARE(image.pixel(130, 35), Paper); // the right edge lies outside the box
    QCOMPARE(image.pixel(60, 60), Paper);
    QCOMPARE(image.pixel(9, 35), Paper);
}

void TextBoxTest::roundCornersLeaveTheCornerPixels()
{
    TextBox box = framedBox();
    box.setRoundCorners(true);
    const QImage image = drawBox(box);
    QCOMPARE(image.pixel(10, 10), Paper);
    QCOMPARE(image.pixel(129, 59), Paper);
    QCOMPARE(image.pixel(10, 35), Border);
    QCOMPARE(image.pixel(60, 10), Border);
    QCOMPARE(image.pixel(60, 35), Base);
}

void TextBoxTest::transparentBoxOnlyGetsAnOutline()
{
    TextBoxDrawOptions bySetting;
    bySetting.opaqueSetting = false;
    TextBoxDrawOptions forced;
    forced.fill = TextBoxDrawOptions::Fill::Transparent;
    for (const TextBoxDrawOptions& options : {bySetting, forced}) {
        const QImage image = drawBox(framedBox(), options);
        QCOMPARE(image.pixel(10, 35), Outline);
        QCOMPARE(image.pixel(129, 59), Outline);
        QCOMPARE(image.pixel(60, 35), Paper);
    }
    // An explicit opaque draw wins over a transparent setting.
    TextBoxDrawOptions opaque = bySetting;
    opaque.fill = TextBoxDrawOptions::Fill::Opaque;
    QCOMPARE(drawBox(framedBox(), opaque).pixel(60, 35), Base);
}

void TextBoxTest::unframedBoxDrawsOnlyText()
{
    TextBox box = framedBox("Hi");
    box.setFramed(false);
    const QImage image = drawBox(box);
    QCOMPARE(image.pixel(10, 35), Paper);
    QCOMPARE(image.pixel(60, 58), Paper);
    QVERIFY(extentOf(image, Ink).isValid());
}

void TextBoxTest::offsetMovesTheWholeBox()
{
    TextBoxDrawOptions options;
    options.offset = QPoint(5, 7);
    const QImage moved = drawBox(framedBox("Hi"), options);
    const QImage still = drawBox(framedBox("Hi"));
    QCOMPARE(moved.pixel(15, 17), Border);
    QCOMPARE(moved.pixel(10, 10), Paper);
    QCOMPARE(extentOf(moved, Ink), extentOf(still, Ink).translated(5, 7));
}

void TextBoxTest::shadowLayersStepAwayByFontHeight()
{
    TextBox box = framedBox("W");
    box.setFramed(false);
    box.setFont("DejaVu Sans", 15);
    box.setShadowDepth(3);
    const QImage image = drawBox(box);
    const QRect text = extentOf(image, Ink);
    const QRect shadow = extentOf(image, Pale);
    QVERIFY(text.isValid());
    // Layers at 15 / 15 + 0, 1, 2 pixels: the farthest reaches 3 past the text.
    QCOMPARE(shadow.right() - text.right(), 3);
    QCOMPARE(shadow.bottom() - text.bottom(), 3);

    box.setFont("DejaVu Sans", 30);
    box.setShadowDepth(1);
    const QImage tall = drawBox(box);
    QCOMPARE(extentOf(tall, Pale).right() - extentOf(tall, Ink).right(), 2);
}

void TextBoxTest::pressedLookMovesTheTextWithoutShadow()
{
    TextBox box = framedBox("Wq");
    const QRect normal = extentOf(drawBox(box), Ink);
    box.setShadowDepth(0);
    const QImage pressed = drawBox(box);
    QVERIFY(!extentOf(pressed, Pale).isValid());
    QCOMPARE(extentOf(pressed, Ink), normal.translated(1, 1));

    box.setShadowDepth(1);
    TextBoxDrawOptions noShadows;
    noShadows.suppressShadows = true;
    const QImage suppressed = drawBox(box, noShadows);
    QVERIFY(!extentOf(suppressed, Pale).isValid());
    QCOMPARE(extentOf(suppressed, Ink), normal.translated(1, 1));
}

// The slideshow's title shows its shadow layers one by one before the text.
void TextBoxTest::layersCanBeDrawnOneByOne()
{
    TextBox box = framedBox("Right");
    box.setShadowDepth(3);
    TextBoxDrawOptions firstLayer;
    firstLayer.layerLimit = 1;
    firstLayer.withText = false;
    const QImage partial = drawBox(box, firstLayer);
    const QImage whole = drawBox(box);
    QVERIFY(!extentOf(partial, Ink).isValid());
    QVERIFY(extentOf(partial, Pale).isValid());
    QVERIFY(extentOf(partial, Pale).width() < extentOf(whole, Pale).width());
}

void TextBoxTest::oversizedFontShrinksToFitTheBox_data()
{
    QTest::addColumn<int>("pixels");
    for (int pixels : {15, 60, 200, 500})
        QTest::addRow("%d px", pixels) << pixels;
}

// Text in a font far too large for its box shrinks to fit whole, instead of being cut at the box's edges.
void TextBoxTest::oversizedFontShrinksToFitTheBox()
{
    QFETCH(int, pixels);
    const TextBox box = framedBox("Lima");
    const QRect ink = extentOf(drawBox(box, {}, pixels), Ink);
    const QRect area(box.textRect().left, box.textRect().top, box.textRect().width(), box.textRect().height());
    QVERIFY(ink.isValid());
    QVERIFY2(ink.left() > area.left() && ink.right() < area.right(), qPrintable(QString::number(ink.width())));
    QVERIFY(ink.height() >= TextBoxPainter::SmallestFittedPixels / 2);
}

void TextBoxTest::formatBecomesQtFlags()
{
    QCOMPARE(TextBoxPainter::qtFlags(TextBox::DefaultFormat),
             int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs));
    QCOMPARE(TextBoxPainter::qtFlags(TextBox::AlignLeft | TextBox::WordBreak | TextBox::ExpandTabs),
             int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs));
    QCOMPARE(TextBoxPainter::qtFlags(TextBox::VCenter | TextBox::WordBreak),
             int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap));
    QCOMPARE(TextBoxPainter::qtFlags(TextBox::AlignRight | TextBox::SingleLine),
             int(Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine));
}

void TextBoxTest::listTextsAreShownAsTheyAre()
{
    QCOMPARE(ListText::toQString("caf\xC3\xA9 \xE2\x82\xAC \xD0\x96"), QString::fromUtf8("café € Ж"));
    QCOMPARE(ListText::fromQString(QString::fromUtf8("東京 \xF0\x9F\x98\x80")),
             "東京 \xF0\x9F\x98\x80");                           // nothing becomes '?'
    QCOMPARE(ListText::toQString("R&B"), QStringLiteral("R&B")); // no mnemonic processing
}

void TextBoxTest::caretUnderlinesWithoutMovingText()
{
    const QImage atStart = drawField(typedField("heat", 0), false);
    const QImage atThird = drawField(typedField("heat", 2), false);
    // Only the underline differs: a thin band just below the letters.
    const QList<int> rows = differingRows(atStart, atThird);
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.size() <= 2);
    const QRect band(0, rows.first(), 300, int(rows.size()));
    const QRect letters = extentOf(atStart.copy(0, 0, 300, band.top()), Ink);
    QVERIFY(band.top() >= letters.bottom());
    QVERIFY(band.top() <= letters.bottom() + 4);
    // Under the h for caret 0, under the a for caret 2.
    const QRect underH = extentOf(atStart.copy(band), Ink);
    const QRect underA = extentOf(atThird.copy(band), Ink);
    QVERIFY2(std::abs(underH.left() - letters.left()) <= 3,
             qPrintable(QStringLiteral("%1 %2").arg(underH.left()).arg(letters.left())));
    QVERIFY(underA.left() >= underH.right());
    QVERIFY(underA.right() < letters.right());
}

void TextBoxTest::caretAtTheEndUnderlinesTheNextPlace()
{
    // Left-aligned and centred alike: only the underline moves, never the letters.
    for (bool centred : {false, true}) {
        const QImage atEnd = drawField(typedField("heat", 4), centred);
        const QImage atStart = drawField(typedField("heat", 0), centred);
        const QRect change = differingArea(atEnd, atStart);
        const QRect word = extentOf(atStart, Ink);
        QVERIFY(change.isValid());
        QVERIFY(change.right() > word.right()); // past the last letter
        QVERIFY2(change.height() <= 2, centred ? "centred" : "left-aligned");
    }
    // An empty field still shows where typing starts.
    QVERIFY(extentOf(drawField(typedField("", 0), false), Ink).isValid());
}

void TextBoxTest::typeInTextIsCentredOrLeftAligned()
{
    const TypeinField field = typedField("ab", 0);
    const QRect left = extentOf(drawField(field, false), Ink);
    const QRect centred = extentOf(drawField(field, true), Ink);
    // The field keeps its text 20 pixels inside its 300-pixel box.
    QVERIFY(left.left() >= 20 && left.left() <= 23);
    QVERIFY(std::abs((centred.left() + centred.right()) / 2 - 150) <= 3);
    QCOMPARE(left.height(), centred.height());
}

// The boxes of the quiz screen in the skin's colours: the filled ones hide the sky behind them, the
// transparent one lets it through around its text. With BRAINLARK_RENDER_DIR set, the picture is also saved
// there to be looked at.
void TextBoxTest::renderForInspection()
{
    const QRgb sky = qRgb(0x9B, 0xCD, 0xFF);
    QImage image(420, 260, QImage::Format_RGB32);
    image.fill(sky);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    TextBox box("Which river flows through Vienna?");
    box.setFramed(true);
    box.setRoundCorners(true);
    box.setFormat(TextBox::DefaultFormat | TextBox::VCenter);
    box.setColors(HslColor(0x2E, 0x40, 0x56), HslColor(0x00, 0x52, 0xA4), HslColor(0xFC, 0xFC, 0xFF));
    box.setTextColor(HslColor(0x2E, 0x40, 0x56));
    box.setRect(Rect::fromSize(10, 10, 400, 70));
    TextBoxPainter::draw(painter, box, font, ColourScheme::from(box.fillColor()));
    box.setText("Danube (pressed, right)");
    box.setRect(Rect::fromSize(10, 95, 195, 60));
    box.setShadowDepth(0);
    TextBoxPainter::draw(painter, box, font, ColourScheme::from(HslColor(0x02, 0xDE, 0x02)));
    box.setText("Rhine (transparent)");
    box.setRect(Rect::fromSize(215, 95, 195, 60));
    box.setShadowDepth(1);
    TextBoxDrawOptions transparent;
    transparent.fill = TextBoxDrawOptions::Fill::Transparent;
    TextBoxPainter::draw(painter, box, font, ColourScheme::from(box.fillColor()), transparent);
    TypeinField field = typedField("Dan*b*", 3);
    field.setRect(Rect::fromSize(10, 170, 400, 80));
    field.setRoundCorners(true);
    field.setTextColor(HslColor(0x2E, 0x40, 0x56));
    field.setFormat(TextBox::DefaultFormat | TextBox::VCenter);
    TextBoxPainter::drawTypeIn(painter, field, font, ColourScheme::from(HslColor(0xFC, 0xFC, 0xFF)), true);
    painter.end();
    // The share of sky inside each box, a few pixels in from its frame and shadow.
    const auto skyIn = [&](const QRect& box) {
        const QRect inner = box.adjusted(6, 6, -6, -6);
        int count = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                count += image.pixel(x, y) == sky;
        return double(count) / (inner.width() * inner.height());
    };
    QCOMPARE(skyIn(QRect(10, 10, 400, 70)), 0.0);   // question
    QCOMPARE(skyIn(QRect(10, 95, 195, 60)), 0.0);   // pressed answer
    QVERIFY(skyIn(QRect(215, 95, 195, 60)) > 0.6);  // transparent answer
    QCOMPARE(skyIn(QRect(10, 170, 400, 80)), 0.0);  // typing field
    const QString folder = qEnvironmentVariable("BRAINLARK_RENDER_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(image.save(folder + "/textboxes.png"));
    // Three times larger without smoothing, to see the shadow layers pixel by pixel.
    QVERIFY(image.scaled(image.size() * 3).save(folder + "/textboxes-zoomed.png"));
}

QTEST_MAIN(TextBoxTest)
#include "textbox_test.moc"
