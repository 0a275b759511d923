// Flashcards on paper: card size, rows per page and pages at the printer's resolution; the cards, their
// colours and the cutting and folding lines as drawn.
#include <QtTest>

#include "pagetestsupport.h"
#include "printing/flashcardpages.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

const QColor CardColour(255, 240, 200);

std::vector<PrintedPair> pairs(int count, const QString& question = QString())
{
    std::vector<PrintedPair> result;
    for (int i = 1; i <= count; ++i)
        result.push_back(
            {question.isEmpty() ? QStringLiteral("Q%1").arg(i) : question, QStringLiteral("A%1").arg(i)});
    return result;
}

QImage cardPicture()
{
    QImage card(60, 36, QImage::Format_RGB32);
    card.fill(CardColour);
    return card;
}

FlashcardPages cards(int count, const PageMetrics& page, const QString& question = QString())
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    return FlashcardPages(pairs(count, question), cardPicture(), font, page);
}

/// The height of the first line of text in `area`: the first run of rows holding a pixel of `colour`.
int firstLineHeight(const QImage& page, const QRect& area, const QColor& colour)
{
    int height = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool ink = countPixels(page, QRect(area.left(), y, area.width(), 1),
                                     [&colour](QColor c) { return isColour(c, colour); }) > 0;
        if (ink)
            ++height;
        else if (height > 0)
            break;
    }
    return height;
}

} // namespace

class FlashcardPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cardHeight");
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("rows");
        // 10.5 printable inches at 600 pixels per inch: 6300 / (1080 + 18) rows.
        QTest::newRow("600 dpi letter") << 600 << 6300 << 1080 << 18 << 5;
        QTest::newRow("300 dpi letter") << 300 << 3150 << 540 << 9 << 5;
        QTest::newRow("1200 dpi A4") << 1200 << 13433 << 2160 << 37 << 6;
        QTest::newRow("one row exactly") << 600 << 1098 << 1080 << 18 << 1;
        QTest::newRow("shorter than a row") << 600 << 1097 << 1080 << 18 << 0;
    }
    void geometry()
    {
        QFETCH(int, dpi);
        QFETCH(int, height);
        const FlashcardPages::Geometry g = FlashcardPages::geometry(PageMetrics{8 * dpi, height, dpi, dpi});
        QCOMPARE(g.cardWidth, 3 * dpi);
        QTEST(g.cardHeight, "cardHeight");
        QTEST(g.gap, "gap");
        QTEST(g.rowsPerPage, "rows");
    }

    void pages_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("estimate");
        QTest::addColumn<int>("pages");
        QTest::newRow("12 pairs") << 12 << 3 << 3;
        QTest::newRow("5 pairs") << 5 << 1 << 1;
        QTest::newRow("6 pairs") << 6 << 2 << 2;
        QTest::newRow("11 pairs") << 11 << 3 << 3;
        QTest::newRow("no pairs") << 0 << 0 << 0;
    }
    void pages()
    {
        QFETCH(int, pairs);
        QTEST(FlashcardPages::estimatedPages(pairs), "estimate");
        QTEST(cards(pairs, PageMetrics{4800, 6300, 600, 600}).pageCount(), "pages");
    }

    void tooSmallPagesPrintNothing_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("fits");
        QTest::newRow("two cards wide, one row high") << 3600 << 1098 << true;
        QTest::newRow("narrower than two cards") << 3599 << 6300 << false;
        QTest::newRow("lower than a row") << 4800 << 1097 << false;
    }
    void tooSmallPagesPrintNothing()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const FlashcardPages series = cards(5, PageMetrics{width, height, 600, 600});
        QTEST(series.fits(), "fits");
        QFETCH(bool, fits);
        QCOMPARE(series.pageCount(), fits ? 5 / series.cardGeometry().rowsPerPage : 0);
    }

    // All texts of a sheet share one size: a short word is as large as the longest text of its sheet
    // allows, no larger, and keeps the card font on a sheet of its own.
    void textsOfASheetShareOneSize()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(64);
        const QString longest = QStringLiteral("MONTEVIDEO MONTEVIDEO MONTEVIDEO MONTEVIDEO MONTEVIDEO");
        const QColor blue = FlashcardPages::questionColour();
        QImage sheet = letterPage(100);
        draw(sheet,
             FlashcardPages({{"LIMA", "X"}, {longest, "X"}}, cardPicture(), font, PageMetrics::of(sheet)), 1);
        const int lima = firstLineHeight(sheet, QRect(1, 1, 298, 178), blue);
        const int montevideo = firstLineHeight(sheet, QRect(1, 184, 298, 178), blue);
        QVERIFY(lima > 0);
        QVERIFY2(qAbs(lima - montevideo) <= 1, qPrintable(QString("%1 and %2").arg(lima).arg(montevideo)));

        QImage alone = letterPage(100);
        draw(alone, FlashcardPages({{"LIMA", "X"}}, cardPicture(), font, PageMetrics::of(alone)), 1);
        QVERIFY(firstLineHeight(alone, QRect(1, 1, 298, 178), blue) > 2 * lima);
    }

    // At 100 dpi a card is 300 x 180 pixels and a row 183 pixels high; the page holds 5 rows.
    void firstPageCardsAndColours()
    {
        QImage page = letterPage(100);
        const FlashcardPages series = cards(7, PageMetrics::of(page));
        QCOMPARE(series.pageCount(), 2);
        draw(page, series, 1);
        const QRect question(1, 1, 298, 178), answer(301, 1, 298, 178);
        const auto blue = [](QColor c) { return isColour(c, FlashcardPages::questionColour()); };
        const auto green = [](QColor c) { return isColour(c, FlashcardPages::answerColour()); };
        const auto card = [](QColor c) { return isColour(c, CardColour); };
        for (int row = 0; row < 5; ++row) {
            const int dy = row * 183;
            QVERIFY2(countPixels(page, question.translated(0, dy), blue) > 50,
                     qPrintable(QString::number(row)));
            QCOMPARE(countPixels(page, question.translated(0, dy), green), 0);
            QVERIFY(countPixels(page, answer.translated(0, dy), green) > 50);
            QCOMPARE(countPixels(page, answer.translated(0, dy), blue), 0);
            // The card picture is stretched over the whole card.
            QVERIFY(countPixels(page, question.translated(0, dy), card) > 298 * 178 / 2);
        }
        QCOMPARE(countPixels(page, QRect(601, 1, 198, 900), card), 0);
    }

    void cuttingAndFoldingLines()
    {
        QImage page = letterPage(100);
        const FlashcardPages series = cards(7, PageMetrics::of(page));
        draw(page, series, 2);
        const auto ink = [](QColor c) { return isInk(c); };
        // Two rows on the last page, each followed by a dashed line across the printable width.
        for (int y : {181, 181 + 183}) {
            const int inked = countPixels(page, QRect(0, y, 800, 1), ink);
            QVERIFY2(inked > 300 && inked < 800,
                     qPrintable(QStringLiteral("row line at %1: %2").arg(y).arg(inked)));
            QVERIFY(countPixels(page, QRect(700, y, 100, 1), ink) > 0);
        }
        QCOMPARE(
            countPixels(page, QRect(0, 2 * 183, 800, 1), [](QColor c) { return isColour(c, CardColour); }),
            0);
        // Below the cards the vertical lines go on to the bottom: dashed at the outer edges, dotted along
        // the fold, where dots leave more paper than dashes.
        const QRect below(0, 400, 1, 650);
        const int left = countPixels(page, below, ink);
        const int fold = countPixels(page, below.translated(300, 0), ink);
        const int right = countPixels(page, below.translated(600, 0), ink);
        QVERIFY2(left > 300 && left < 650, qPrintable(QString::number(left)));
        QCOMPARE(right, left);
        QVERIFY2(fold > 50 && fold < left, qPrintable(QString::number(fold)));
        QCOMPARE(countPixels(page, below.translated(450, 0), ink), 0);
        // The dashed line along the top of the first row.
        QVERIFY(countPixels(page, QRect(0, 0, 800, 1), ink) > 300);
    }

    void longTextsShrinkToStayOnTheirCard()
    {
        QImage page = letterPage(100);
        const QString longText =
            QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis and its friends ").repeated(3);
        const FlashcardPages series = cards(1, PageMetrics::of(page), longText);
        draw(page, series, 1);
        // Small text is mostly edges: count every bluish pixel.
        const auto blue = [](QColor c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; };
        const int onCard = countPixels(page, QRect(0, 0, 300, 180), blue);
        QVERIFY(onCard > 100);
        QCOMPARE(countPixels(page, page.rect(), blue), onCard);
    }
};

QTEST_MAIN(FlashcardPagesTest)
#include "flashcardpages_test.moc"
