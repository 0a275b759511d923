#include "services/fontchooserdialog.h"

#include "services/prompter.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace brainlark
{

namespace
{

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 19, 20, 22, 24, 26, 28, 32, 36, 48, 64, 72};

bool removes(unsigned filters, const FontChooserDialog::FaceTraits& traits)
{
    using P = Prompter;
    return ((filters & P::OnlySymbolFaces) && !traits.symbol) ||
           ((filters & P::NoSymbolFaces) && traits.symbol) ||
           ((filters & P::OnlyFixedPitch) && !traits.fixedPitch) ||
           ((filters & P::NoFixedPitch) && traits.fixedPitch);
}

} // namespace

FontChooserDialog::FontChooserDialog(const QString& face, int pixelSize, const QString& title,
                                     unsigned filters, QWidget* parent, const QStringList& faces,
                                     TraitsLookup traits)
    : QDialog(parent)
{
    setWindowTitle(title.isEmpty() ? tr("Font") : title);
    const QStringList all = faces.isEmpty() ? QFontDatabase::families() : faces;
    const QStringList offered = filterFaces(all, filters, traits ? traits : TraitsLookup(&systemTraits));

    m_faces = new QListWidget(this);
    m_faces->setObjectName("faceList");
    m_faces->setAccessibleName(tr("Font"));
    m_faces->addItems(offered);
    m_sizes = new QListWidget(this);
    m_sizes->setObjectName("sizeList");
    m_sizes->setAccessibleName(tr("Size"));
    m_sizes->setMaximumWidth(70);
    for (int size : kSizes)
        m_sizes->addItem(QString::number(size));
    auto* faceLabel = new QLabel(tr("&Font:"), this);
    faceLabel->setBuddy(m_faces);
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(m_sizes);

    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    m_sample = new QLabel(QString::fromLatin1(SampleText), sampleBox);
    m_sample->setObjectName("sample");
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(60);
    (new QVBoxLayout(sampleBox))->addWidget(m_sample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(faceLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(m_faces, 1, 0);
    grid->addWidget(m_sizes, 1, 1);
    grid->addWidget(sampleBox, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    resize(420, 400);

    connect(m_faces, &QListWidget::currentRowChanged, this, &FontChooserDialog::updateSample);
    connect(m_sizes, &QListWidget::currentRowChanged, this, &FontChooserDialog::updateSample);
    selectFace(face);
    selectPixelSize(pixelSize);
}

QStringList FontChooserDialog::filterFaces(const QStringList& faces, unsigned filters,
                                           const TraitsLookup& traits)
{
    if (filters == 0 || !traits)
        return faces;
    QStringList kept;
    for (const QString& face : faces) {
        if (!removes(filters, traits(face)))
            kept.append(face);
    }
    return kept;
}

FontChooserDialog::FaceTraits FontChooserDialog::systemTraits(const QString& face)
{
    FaceTraits traits;
    traits.symbol = QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol);
    traits.fixedPitch = QFontDatabase::isFixedPitch(face);
    return traits;
}

QStringList FontChooserDialog::offeredFaces() const
{
    QStringList faces;
    for (int i = 0; i < m_faces->count(); ++i)
        faces.append(m_faces->item(i)->text());
    return faces;
}

QString FontChooserDialog::face() const
{
    const QListWidgetItem* item = m_faces->currentItem();
    return item ? item->text() : QString();
}

int FontChooserDialog::pixelSize() const
{
    const QListWidgetItem* item = m_sizes->currentItem();
    return item ? item->text().toInt() : 0;
}

void FontChooserDialog::selectFace(const QString& face)
{
    QList<QListWidgetItem*> found = m_faces->findItems(face, Qt::MatchFixedString);
    // A face that is not installed ("Verdana" on most Linux systems) is drawn in its substitute: that is
    // the face shown, so it is the one chosen, and OK after changing only the size keeps the look.
    if (found.isEmpty() && !face.isEmpty())
        found = m_faces->findItems(QFontInfo(QFont(face)).family(), Qt::MatchFixedString);
    // A face that was filtered out gives way to the first one offered.
    if (!found.isEmpty())
        m_faces->setCurrentItem(found.first());
    else if (m_faces->count() > 0)
        m_faces->setCurrentRow(0);
}

void FontChooserDialog::selectPixelSize(int pixelSize)
{
    if (pixelSize <= 0)
        pixelSize = kSizes[0];
    const QString text = QString::number(pixelSize);
    QList<QListWidgetItem*> found = m_sizes->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) {
        // Keep the list in order with the learner's own size in it.
        int row = 0;
        while (row < m_sizes->count() && m_sizes->item(row)->text().toInt() < pixelSize)
            ++row;
        m_sizes->insertItem(row, text);
        found = m_sizes->findItems(text, Qt::MatchExactly);
    }
    m_sizes->setCurrentItem(found.first());
}

void FontChooserDialog::updateSample()
{
    QFont font(face());
    if (pixelSize() > 0)
        font.setPixelSize(pixelSize());
    m_sample->setFont(font);
}

} // namespace brainlark
