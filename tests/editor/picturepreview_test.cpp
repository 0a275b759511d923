#include "editor/picturepreviewdialog.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

class PicturePreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void clientSizeKeepsMarginsAndMinimum_data();
    void clientSizeKeepsMarginsAndMinimum();
    void pictureCentredAtTopAndButtonAboveBottom();
    void largePictureShrinksToFit();
    void okIsWholeUnderEverySkin();
    void previewOutcomes_data();
    void previewOutcomes();
};

void PicturePreviewTest::clientSizeKeepsMarginsAndMinimum_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("client");
    QTest::newRow("tiny picture gets the minimum") << QSize(5, 5) << QSize(150, 100);
    QTest::newRow("wide picture") << QSize(300, 20) << QSize(320, 100);
    QTest::newRow("large picture") << QSize(400, 300) << QSize(420, 350);
}

void PicturePreviewTest::clientSizeKeepsMarginsAndMinimum()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, client);
    QCOMPARE(PicturePreviewDialog::clientSizeFor(picture), client);
}

void PicturePreviewTest::pictureCentredAtTopAndButtonAboveBottom()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    PicturePreviewDialog dialog(image, nullptr, QSize(1000, 1000));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Picture Preview"));
    QCOMPARE(dialog.size(), QSize(150, 100));
    QCOMPARE(dialog.pictureLabel()->geometry(), QRect(45, 10, 60, 40));
    QCOMPARE(dialog.okButton()->geometry(), QRect(55, 70, 40, 25));
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
}

// A skin's padding and border must not cut "OK" down to "Ok": the button holds its text under every
// shipped skin, and keeps its 40 x 25 pixels where the text fits.
void PicturePreviewTest::okIsWholeUnderEverySkin()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QDir skins(QStringLiteral(BRAINLARK_SOURCE_DIR) + "/data/skins");
    for (const QString& name : skins.entryList({"*.skn"}, QDir::Files)) {
        QFile file(skins.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QWidget main;
        main.setStyleSheet(QString::fromUtf8(file.readAll()));
        PicturePreviewDialog dialog(image, &main, QSize(1000, 1000));
        QPushButton* ok = dialog.okButton();
        QStyleOptionButton option;
        option.initFrom(ok);
        option.text = ok->text();
        const QRect contents = ok->style()->subElementRect(QStyle::SE_PushButtonContents, &option, ok);
        QVERIFY2(contents.width() >= ok->fontMetrics().horizontalAdvance("OK"), qPrintable(name));
        QVERIFY2(dialog.rect().contains(ok->geometry()), qPrintable(name));
    }
    QCOMPARE(PicturePreviewDialog(image, nullptr, QSize(1000, 1000)).okButton()->size(), QSize(40, 25));
}

void PicturePreviewTest::largePictureShrinksToFit()
{
    QImage image(2000, 1000, QImage::Format_RGB32);
    image.fill(Qt::blue);
    PicturePreviewDialog dialog(image, nullptr, QSize(520, 600));
    QCOMPARE(dialog.shownPictureSize(), QSize(500, 250));
    QVERIFY(dialog.width() <= 520);
}

void PicturePreviewTest::previewOutcomes_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("messages");
    QTest::newRow("unknown type shows nothing")
        << "notes.txt" << QByteArray("hello") << int(PicturePreviewDialog::Outcome::UnknownType) << 0;
    QTest::newRow("damaged picture gives the message")
        << "broken.jpg" << QByteArray("not a jpeg") << int(PicturePreviewDialog::Outcome::DecodeFailed) << 1;
    QTest::newRow("missing picture gives the message")
        << "" << QByteArray() << int(PicturePreviewDialog::Outcome::DecodeFailed) << 1;
    QTest::newRow("good picture is shown") << "good.bmp" << QByteArray() << int(PicturePreviewDialog::Outcome::Shown)
                                           << 0;
}

void PicturePreviewTest::previewOutcomes()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(int, outcome);
    QFETCH(int, messages);
    QTemporaryDir dir;
    QString path = dir.filePath(fileName.isEmpty() ? QStringLiteral("missing.gif") : fileName);
    if (fileName == QLatin1String("good.bmp")) {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(path, "BMP"));
    } else if (!fileName.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    RecordingPrompter prompter;
    QSize shown;
    const auto result = PicturePreviewDialog::preview(path, prompter, nullptr, [&](QDialog& dialog) {
        shown = static_cast<PicturePreviewDialog&>(dialog).shownPictureSize();
        return int(QDialog::Accepted);
    });
    QCOMPARE(int(result), outcome);
    QCOMPARE(prompter.messages.size(), messages);
    if (messages)
        QCOMPARE(prompter.messages[0].text, QStringLiteral("Sorry, could not display the image ... "));
    if (result == PicturePreviewDialog::Outcome::Shown)
        QCOMPARE(shown, QSize(30, 20));
}

QTEST_MAIN(PicturePreviewTest)
#include "picturepreview_test.moc"
