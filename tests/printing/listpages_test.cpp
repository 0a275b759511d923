// The plain list on paper: the header's rules, pages, the centred 81-column block and the rows.
#include <QtTest>

#include "pagetestsupport.h"
#include "printing/listpages.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

std::vector<PrintedPair> pairs(int count)
{
    std::vector<PrintedPair> result;
    for (int i = 1; i <= count; ++i)
        result.push_back({QStringLiteral("question %1").arg(i), QStringLiteral("answer %1").arg(i)});
    return result;
}

} // namespace

class ListPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void header_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("expected");
        const QString fifty = QStringLiteral("/home/ann/lists/") + QString(30, 'x') + QStringLiteral(".fly");
        const QString sixty = QStringLiteral("/home/ann/lists/") + QString(40, 'y') + QStringLiteral(".fly");
        const QString longTitle = QString(60, 'T') + QStringLiteral("0123456789");
        QTest::newRow("short path") << "/l/Capitals.fly"
                                    << "Capitals" << 1
                                    << "Brainlark - /l/Capitals.fly" + QString(48, ' ') + "Page 1";
        QTest::newRow("path of 50 characters")
            << fifty << "x" << 2 << "Brainlark - " + fifty + QString(13, ' ') + "Page 2";
        QTest::newRow("path of 60 characters gives the title")
            << sixty << QString(40, 'y') << 3
            << "Brainlark - " + QString(40, 'y') + QString(23, ' ') + "Page 3";
        QTest::newRow("no file yet gives the title")
            << ""
            << "Imported" << 1 << "Brainlark - Imported" + QString(55, ' ') + "Page 1";
        QTest::newRow("too long for page 12")
            << sixty << longTitle << 12 << "Brainlark - ...0123456789" + QString(49, ' ') + "Page 12";
    }
    void header()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(int, page);
        QFETCH(QString, expected);
        QCOMPARE(expected.size(), ListPages::Columns);
        QCOMPARE(ListPages::header(path, title, page), expected);
    }

    void pagesHoldLinesPerPageRows()
    {
        const PageMetrics letter{4800, 6300, 600, 600};
        const int lines = ListPages({}, "l.fly", "l", letter).linesPerPage();
        QVERIFY2(lines > 30 && lines < 50, qPrintable(QString::number(lines)));
        const QList<QPair<int, int>> cases = {{0, 1}, {1, 1}, {lines, 1}, {lines + 1, 2}, {3 * lines, 3}};
        for (const auto& [count, pages] : cases)
            QCOMPARE(ListPages(pairs(count), "l.fly", "l", letter).pageCount(), pages);
        // A page without room for the header and one row prints nothing.
        const int line = ListPages({}, "l.fly", "l", letter).lineHeight();
        QVERIFY(!ListPages(pairs(1), "l.fly", "l", PageMetrics{4800, 8 * line - 1, 600, 600}).fits());
        QCOMPARE(ListPages(pairs(1), "l.fly", "l", PageMetrics{4800, 8 * line, 600, 600}).pageCount(), 1);
    }

    void theBlockIsCentredUnderItsRule()
    {
        QImage page = letterPage(100);
        const ListPages list(pairs(3), "/l/Capitals.fly", "Capitals", PageMetrics::of(page));
        draw(page, list, 1);
        const int left = list.leftMargin(), width = list.rulerWidth(), line = list.lineHeight();
        QVERIFY(qAbs(2 * left + width - page.width()) <= 1);
        const int rule = 2 * line + 3 * line / 2;
        const auto ink = [](QColor c) { return isInk(c); };
        QCOMPARE(countPixels(page, QRect(left, rule, width, 1), ink), width);
        QCOMPARE(countPixels(page, QRect(0, rule, left - 1, 1), ink), 0);
        QCOMPARE(countPixels(page, QRect(left + width + 1, rule, page.width(), 1), ink), 0);
        // The header, then one row per pair starting on line 5; nothing below the last.
        QVERIFY(countPixels(page, QRect(left, 2 * line, width, line), ink) > 0);
        for (int row = 0; row < 3; ++row)
            QVERIFY(countPixels(page, QRect(left, (row + 5) * line, width, line), ink) > 0);
        QCOMPARE(countPixels(page, QRect(0, 8 * line, page.width(), page.height()), ink), 0);
        QCOMPARE(countPixels(page, QRect(0, 0, left - 1, page.height()), ink), 0);
    }

    // Wide margins leave less than the 6.75 inches of 81 columns of 10 points: the font gets smaller and
    // the block stays between the margins. Drawn on a wider picture, so that ink beyond shows.
    void theListFitsANarrowPrintableArea_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("fits");
        QTest::newRow("letter, 0.25 in margins") << 800 << true;
        QTest::newRow("letter, 1.3 in margins") << 590 << true;
        QTest::newRow("half a letter page") << 400 << true;
        QTest::newRow("narrower than 5-point columns") << 200 << false;
    }
    void theListFitsANarrowPrintableArea()
    {
        QFETCH(int, width);
        QImage page = letterPage(100);
        const ListPages list({{QString(200, 'W'), QString(200, 'M')}}, "/l/Capitals.fly", "Capitals",
                             PageMetrics{width, page.height(), 100, 100});
        QTEST(list.fits(), "fits");
        if (!list.fits())
            return;
        QVERIFY(list.font().pixelSize() <= ListPages::listFont(100).pixelSize());
        draw(page, list, 1);
        const auto ink = [](QColor c) { return isInk(c); };
        QCOMPARE(countPixels(page, QRect(width, 0, page.width() - width, page.height()), ink), 0);
        QVERIFY(list.leftMargin() >= 0);
        QVERIFY(list.rulerWidth() > width / 2); // no smaller than it needs to be
    }

    void aLongQuestionKeepsOutOfTheAnswerColumn()
    {
        QImage page = letterPage(100);
        const ListPages list({{QString(200, 'W'), QString()}}, "l.fly", "l", PageMetrics::of(page));
        draw(page, list, 1);
        const int answerColumn = int(list.rulerWidth() / 1.8);
        const QRect row(list.leftMargin(), 5 * list.lineHeight(), list.rulerWidth(), list.lineHeight());
        const auto ink = [](QColor c) { return isInk(c); };
        QVERIFY(countPixels(page, row.adjusted(0, 0, answerColumn - row.width(), 0), ink) > 0);
        QCOMPARE(countPixels(page, row.adjusted(answerColumn, 0, 0, 0), ink), 0);
    }
};

QTEST_MAIN(ListPagesTest)
#include "listpages_test.moc"
