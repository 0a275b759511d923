#include "editor/picturepreviewdialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include "quiz/ui/imagelayer.h"
#include "services/prompter.h"

namespace brainlark
{

namespace
{

// Space between the picture and the button row, so the button never touches the picture.
constexpr int Gap = 10;

QSize availableClientSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    // Leave room for the window frame and caption.
    return QSize(area.width() - 40, area.height() - 80);
}

} // namespace

QSize PicturePreviewDialog::clientSizeFor(const QSize& picture)
{
    const int width = std::max(MinimumWidth, picture.width() + MarginLeft + MarginRight);
    const int height =
        std::max(MinimumHeight, MarginTop + picture.height() + Gap + ButtonHeight + MarginBottom);
    return QSize(width, height);
}

PicturePreviewDialog::PicturePreviewDialog(const QImage& image, QWidget* parent, QSize maxSize)
    : QDialog(parent)
{
    setWindowTitle(tr("Picture Preview"));
    if (maxSize.isEmpty())
        maxSize = availableClientSize();
    const QSize room(std::max(1, maxSize.width() - MarginLeft - MarginRight),
                     std::max(1, maxSize.height() - MarginTop - Gap - ButtonHeight - MarginBottom));
    m_shown = image.size();
    QImage shown = image;
    // A picture larger than the screen is scaled down as a whole; smaller ones keep their own size.
    if (m_shown.width() > room.width() || m_shown.height() > room.height()) {
        m_shown = m_shown.scaled(room, Qt::KeepAspectRatio);
        shown = image.scaled(m_shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const QSize client = clientSizeFor(m_shown);
    setFixedSize(client);

    m_picture = new QLabel(this);
    m_picture->setPixmap(QPixmap::fromImage(shown));
    m_picture->setGeometry((client.width() - m_shown.width()) / 2, MarginTop, m_shown.width(),
                           m_shown.height());

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    const QSize button = buttonSize(*m_ok);
    m_ok->setGeometry((client.width() - button.width()) / 2, client.height() - button.height() - MarginBottom,
                      button.width(), button.height());
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

// 40 by 25 pixels, unless the style (a skin's padding and border) leaves too little of that for the text:
// then the size the style asks for, so that "OK" is never cut.
QSize PicturePreviewDialog::buttonSize(QPushButton& button)
{
    button.ensurePolished();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(0, 0, ButtonWidth, ButtonHeight);
    option.text = button.text();
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (text.width() <= contents.width() && text.height() <= contents.height())
        return QSize(ButtonWidth, ButtonHeight);
    return button.sizeHint().expandedTo(QSize(ButtonWidth, ButtonHeight));
}

PicturePreviewDialog::Outcome PicturePreviewDialog::preview(const QString& path, Prompter& prompter,
                                                            QWidget* parent,
                                                            const std::function<int(QDialog&)>& runDialog)
{
    if (ImageLayer::imageTypeOf(path) == ImageType::Unknown)
        return Outcome::UnknownType;
    const PictureResult picture = ImageLayer::load(path);
    if (!picture.ok()) {
        prompter.message(QCoreApplication::translate("brainlark::PicturePreviewDialog", FailureMessage),
                         Prompter::Icon::Exclamation, Prompter::Buttons::Ok);
        return Outcome::DecodeFailed;
    }
    PicturePreviewDialog dialog(picture.image, parent);
    if (runDialog)
        runDialog(dialog);
    else
        dialog.exec();
    return Outcome::Shown;
}

} // namespace brainlark
