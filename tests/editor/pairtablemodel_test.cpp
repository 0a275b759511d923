#include "core/pairlist.h"
#include "editor/pairtablemodel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace brainlark;

namespace
{

PairList listOf(const QList<std::tuple<const char*, const char*, float>>& pairs)
{
    PairList list;
    for (const auto& [question, answer, rating] : pairs) {
        Pair pair(question, answer);
        pair.setRating(rating);
        list.pairs().push_back(pair);
    }
    return list;
}

QStringList columnTexts(const PairTableModel& model, int column)
{
    QStringList texts;
    for (int r = 0; r < model.rows(); ++r)
        texts.append(QString::fromStdString(model.cell(r, column)));
    return texts;
}

} // namespace

class PairTableModelTest : public QObject
{
    Q_OBJECT

private slots:
    void passesTheModelTester();
    void fillWritesEveryColumn();
    void headersAndAlignment();
    void rowSourceHasTheHeaderRow();
    void sortsNumbersAsNumbersAndTextsIgnoringCase_data();
    void sortsNumbersAsNumbersAndTextsIgnoringCase();
    void sortsTextsAsTheLanguageOrdersThem();
    void permuteUndoesASort();
    void onlyQuestionAndAnswerAreEditable();
    void rebuildReadsTheCellsBack();
};

void PairTableModelTest::passesTheModelTester()
{
    PairTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    PairList list = listOf({{"b", "2", 1.0f}, {"a", "1", 3.0f}, {"c", "3", 2.0f}});
    model.fill(&list);
    model.setEditable(true);
    QVERIFY(model.setData(model.index(0, 0), "bb"));
    model.insertRowsAt(1, {PairTableModel::textRow("x", "y", 9)});
    model.takeRows(0, 2);
    model.sortByColumn(PairTableModel::Question, Qt::DescendingOrder);
    model.setColumnTexts(PairTableModel::Rating, "0");
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void PairTableModelTest::fillWritesEveryColumn()
{
    PairList list;
    Pair pair("Paris", "France");
    pair.setRating(1.005f);
    pair.addRight(3);
    pair.addWrong(2);
    pair.recalculateTotal();
    pair.setSoundPath("fr\\paris.wav", 1);
    pair.setSoundPath("fr\\france.wav", 2);
    pair.setHint("capital");
    pair.setPicturePath("maps\\paris.jpg");
    list.pairs().push_back(pair);
    list.pairs().push_back(Pair("Rome", "Italy"));
    PairTableModel model;
    model.fill(&list);
    QCOMPARE(model.rows(), 2);
    const PairTableModel::Row expected = {"Paris", "France", pair.formatRating(), "3", "2", pair.formatTotal(), "1",
                                          "fr\\paris.wav", "fr\\france.wav", "capital", "maps\\paris.jpg"};
    QVERIFY(model.row(0) == expected);
    QCOMPARE(model.cell(1, PairTableModel::Index), std::string("2"));
    QCOMPARE(model.cell(1, PairTableModel::Rating), std::string("0.00"));

    list.toggleReverse();
    model.fill(&list);
    QCOMPARE(model.cell(0, PairTableModel::Question), std::string("France"));
}

void PairTableModelTest::headersAndAlignment()
{
    PairTableModel model;
    const QStringList headers = {"Question", "Answer", "Rating ", "Right ", "Wrong ", "Total", "index",
                                 "soundPathOne", "soundPathTwo", "hint", "picturePathOne"};
    for (int c = 0; c < headers.size(); ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers[c]);
    QVERIFY(PairTableModel::alignment(PairTableModel::Question) & Qt::AlignLeft);
    QVERIFY(PairTableModel::alignment(PairTableModel::Rating) & Qt::AlignRight);
    // Each text cell follows its own direction: Arabic and Hebrew at the right, Latin at the left.
    PairList list = listOf({{"\xD8\xB4\xD9\x83\xD8\xB1\xD8\xA7", "thanks", 0.5f},
                            {"Paris", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", 0.5f}});
    model.fill(&list);
    const auto align = [&model](int row, int column) {
        return model.data(model.index(row, column), Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(align(0, PairTableModel::Question), Qt::Alignment(Qt::AlignRight));
    QCOMPARE(align(0, PairTableModel::Answer), Qt::Alignment(Qt::AlignLeft));
    QCOMPARE(align(1, PairTableModel::Question), Qt::Alignment(Qt::AlignLeft));
    QCOMPARE(align(1, PairTableModel::Answer), Qt::Alignment(Qt::AlignRight));
}

void PairTableModelTest::rowSourceHasTheHeaderRow()
{
    PairList list = listOf({{"q", "a", 0.5f}});
    PairTableModel model;
    model.fill(&list);
    const RowSource& source = model.rowSource();
    QCOMPARE(source.rowCount(), 2);
    QCOMPARE(source.cellText(0, 0), std::string("Question"));
    QCOMPARE(source.cellText(1, 1), std::string("a"));
    QCOMPARE(source.cellText(1, 2), std::string("0.50"));
    QCOMPARE(source.cellText(5, 0), std::string());
}

void PairTableModelTest::sortsNumbersAsNumbersAndTextsIgnoringCase_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("rating ascending by value") << int(PairTableModel::Rating) << int(Qt::AscendingOrder)
                                               << QStringList{"two", "nine", "ten"};
    QTest::newRow("rating descending") << int(PairTableModel::Rating) << int(Qt::DescendingOrder)
                                       << QStringList{"ten", "nine", "two"};
    QTest::newRow("question ignores case") << int(PairTableModel::Question) << int(Qt::AscendingOrder)
                                           << QStringList{"nine", "ten", "two"};
}

void PairTableModelTest::sortsNumbersAsNumbersAndTextsIgnoringCase()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, questions);
    // As texts "10.00" < "2.00" < "9.00"; as numbers 2 < 9 < 10.
    PairList list = listOf({{"two", "x", 2.0f}, {"nine", "x", 9.0f}, {"ten", "x", 10.0f}});
    list.pairs()[0].setQuestion("two");
    list.pairs()[1].setQuestion("nine");
    list.pairs()[2].setQuestion("Ten");
    PairTableModel model;
    model.fill(&list);
    model.sortByColumn(column, Qt::SortOrder(order));
    QStringList shown = columnTexts(model, PairTableModel::Question);
    for (QString& q : shown)
        q = q.toLower();
    QCOMPARE(shown, questions);
}

// Russian puts ё beside е, before ж, where its code point would put it after я.
void PairTableModelTest::sortsTextsAsTheLanguageOrdersThem()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    PairList list = listOf({{"\xD1\x8F\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBE", "1", 0},
                            {"\xD1\x91\xD0\xB6", "2", 0},
                            {"\xD0\x96\xD1\x83\xD0\xBA", "3", 0},
                            {"\xD0\xB0\xD1\x80\xD0\xB1\xD1\x83\xD0\xB7", "4", 0}});
    PairTableModel model;
    model.fill(&list);
    model.sortByColumn(PairTableModel::Question, Qt::AscendingOrder);
    QLocale::setDefault(before);
    QCOMPARE(columnTexts(model, PairTableModel::Answer), (QStringList{"4", "2", "3", "1"}));
}

void PairTableModelTest::permuteUndoesASort()
{
    PairList list = listOf({{"c", "1", 0}, {"a", "2", 0}, {"b", "3", 0}});
    PairTableModel model;
    model.fill(&list);
    const std::vector<int> order = model.sortByColumn(PairTableModel::Question, Qt::AscendingOrder);
    QCOMPARE(columnTexts(model, PairTableModel::Question), (QStringList{"a", "b", "c"}));
    model.permute(order, true);
    QCOMPARE(columnTexts(model, PairTableModel::Question), (QStringList{"c", "a", "b"}));
    model.permute(order, false);
    QCOMPARE(columnTexts(model, PairTableModel::Answer), (QStringList{"2", "3", "1"}));
}

void PairTableModelTest::onlyQuestionAndAnswerAreEditable()
{
    PairList list = listOf({{"q", "a", 0}});
    PairTableModel model;
    model.fill(&list);
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    model.setEditable(true);
    QVERIFY(model.flags(model.index(0, PairTableModel::Answer)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(0, PairTableModel::Rating)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, PairTableModel::Rating), "5"));
    int hooked = -1;
    model.setEditHook([&](int row, const PairTableModel::Row& edited) {
        hooked = row;
        return edited[PairTableModel::Answer] == "A\xC3\xA9";
    });
    QVERIFY(model.setData(model.index(0, PairTableModel::Answer), QString::fromUtf8("A\u00e9")));
    QCOMPARE(hooked, 0);
    QCOMPARE(model.cell(0, PairTableModel::Answer), std::string("a")); // the hook decides
}

void PairTableModelTest::rebuildReadsTheCellsBack()
{
    PairTableModel model;
    model.insertRowsAt(0, {PairTableModel::textRow("only question", "", 1),
                           PairTableModel::textRow("", "only answer", 2), PairTableModel::textRow("", "", 3),
                           PairTableModel::textRow("q", "a", 4)});
    model.setColumnTexts(PairTableModel::Right, "7");
    PairList source;
    source.wrongAnswers().push_back(Pair("q", "wrong"));
    PairList rebuilt;
    QCOMPARE(rebuilt.rebuildFromRows(model.rowSource(), source), 3);
    QCOMPARE(rebuilt.pairs()[0].answer(), std::string_view("answer needed here"));
    QCOMPARE(rebuilt.pairs()[1].question(), std::string_view("question needed here"));
    QCOMPARE(rebuilt.pairs()[2].right(), 7);
    QCOMPARE(rebuilt.wrongAnswers().size(), size_t(1));
    QCOMPARE(rebuilt.wrongAnswers()[0].kind(), int32_t(Pair::WrongAnswer));
}

QTEST_MAIN(PairTableModelTest)
#include "pairtablemodel_test.moc"
