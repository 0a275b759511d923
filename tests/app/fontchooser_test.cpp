// The font chooser: its filters leave out symbol or fixed-pitch faces, a face that is not installed shows
// as the face that draws it, and a face that was left out gives way to the first face offered.
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

#include "services/fontchooserdialog.h"
#include "services/prompter.h"
#include "settings/fontfallbacks.h"

using namespace brainlark;

namespace
{

// Two ordinary faces, a symbol font and a typewriter face.
FontChooserDialog::FaceTraits traitsOf(const QString& face)
{
    FontChooserDialog::FaceTraits traits;
    traits.symbol = face == "Pictographs";
    traits.fixedPitch = face == "Typewriter";
    return traits;
}

const QStringList kFaces = {"Sans", "Pictographs", "Serif", "Typewriter"};

} // namespace

class FontChooserTest : public QObject
{
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void aFilteredFaceGivesWayToTheFirstOffered();
    void aMissingFaceShowsAsTheFaceThatDrawsIt();
    void chosenFaceAndSize();
};

void FontChooserTest::filters_data()
{
    QTest::addColumn<unsigned>("filters");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("none") << 0u << kFaces;
    QTest::newRow("only symbol") << unsigned(Prompter::OnlySymbolFaces) << QStringList{"Pictographs"};
    QTest::newRow("no symbol") << unsigned(Prompter::NoSymbolFaces)
                               << QStringList{"Sans", "Serif", "Typewriter"};
    QTest::newRow("only fixed") << unsigned(Prompter::OnlyFixedPitch) << QStringList{"Typewriter"};
    QTest::newRow("no fixed") << unsigned(Prompter::NoFixedPitch)
                              << QStringList{"Sans", "Pictographs", "Serif"};
    QTest::newRow("no symbol, no fixed")
        << unsigned(Prompter::NoSymbolFaces | Prompter::NoFixedPitch) << QStringList{"Sans", "Serif"};
}

void FontChooserTest::filters()
{
    QFETCH(unsigned, filters);
    QFETCH(QStringList, offered);
    QCOMPARE(FontChooserDialog::filterFaces(kFaces, filters, traitsOf), offered);
    FontChooserDialog dialog("Sans", 20, "Answer Font", filters, nullptr, kFaces, traitsOf);
    QCOMPARE(dialog.offeredFaces(), offered);
}

void FontChooserTest::aFilteredFaceGivesWayToTheFirstOffered()
{
    FontChooserDialog dialog("Pictographs", 19, "Answer Font", Prompter::NoSymbolFaces, nullptr, kFaces,
                             traitsOf);
    QCOMPARE(dialog.windowTitle(), QString("Answer Font"));
    QCOMPARE(dialog.face(), QString("Sans"));
    FontChooserDialog untitled("Serif", 19, QString(), 0, nullptr, kFaces, traitsOf);
    QCOMPARE(untitled.windowTitle(), QString("Font"));
    QCOMPARE(untitled.face(), QString("Serif"));
}

void FontChooserTest::aMissingFaceShowsAsTheFaceThatDrawsIt()
{
    installFontFallbacks();
    const QString drawn = QFontInfo(QFont("Verdana")).family();
    const QStringList faces = {"Aardvark Sans", drawn, "Zebra Serif"};
    FontChooserDialog dialog("Verdana", 19, "Answer Font", 0, nullptr, faces, traitsOf);
    QCOMPARE(dialog.face(), drawn);
    dialog.selectPixelSize(24); // a new size alone keeps the face the quiz screen shows
    QCOMPARE(dialog.face(), drawn);
}

void FontChooserTest::chosenFaceAndSize()
{
    FontChooserDialog dialog("Serif", 23, "Question Font", 0, nullptr, kFaces, traitsOf);
    QCOMPARE(dialog.pixelSize(), 23); // a size of the learner's own joins the list
    dialog.selectPixelSize(48);
    dialog.selectFace("Typewriter");
    QCOMPARE(dialog.face(), QString("Typewriter"));
    QCOMPARE(dialog.pixelSize(), 48);
    QCOMPARE(dialog.findChild<QLabel*>("sample")->text(), QString(FontChooserDialog::SampleText));
}

QTEST_MAIN(FontChooserTest)
#include "fontchooser_test.moc"
