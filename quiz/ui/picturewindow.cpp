#include "quiz/ui/picturewindow.h"

#include "quiz/ui/imagelayer.h"
#include "settings/appsettings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace brainlark
{

PictureWindow::PictureWindow(AppSettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The quiz keeps the keyboard when a picture comes up beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(120, 90);
    resize(320, 240);
}

void PictureWindow::showPicture(const QString& path)
{
    if (ImageLayer::imageTypeOf(path) == ImageType::Unknown) {
        if (path != m_path) {
            m_picture = QImage();
            m_path.clear();
            update();
        }
        return;
    }
    m_path = path;
    PictureResult decoded = ImageLayer::load(path);
    if (!decoded.ok()) {
        m_picture = QImage();
        m_path.clear();
        update();
        return;
    }
    m_picture = std::move(decoded.image);
    if (m_settings.funFlag(funflags::kAutoresizePictureWindow))
        growToPicture();
    update();
}

void PictureWindow::growToPicture()
{
    QSize wanted = size().expandedTo(m_picture.size());
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        wanted = wanted.boundedTo(available.size() - frame).expandedTo(size());
    }
    if (wanted != size())
        resize(wanted);
}

QRect PictureWindow::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    QSize shown = m_picture.size();
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (m_picture.isNull())
        return;
    const QRect target = pictureRect();
    if (target.size() == m_picture.size())
        ImageLayer::drawAt(painter, target.topLeft(), m_picture);
    else
        ImageLayer::drawStretched(painter, target, m_picture);
}

void PictureWindow::restorePlacement()
{
    const AppSettings::WindowRect stored = m_settings.pictureWindowRect();
    if (!stored.complete() || stored.x2 <= stored.x1 || stored.y2 <= stored.y1)
        return;
    const QRect rect(stored.x1, stored.y1, stored.x2 - stored.x1, stored.y2 - stored.y1);
    // A place on a screen that is gone would leave the window out of reach.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && !screen->virtualGeometry().intersects(rect))
        return;
    setGeometry(rect);
}

void PictureWindow::savePlacement()
{
    const QRect r = geometry();
    AppSettings::WindowRect stored;
    stored.x1 = r.left();
    stored.y1 = r.top();
    stored.x2 = r.left() + r.width();
    stored.y2 = r.top() + r.height();
    m_settings.setPictureWindowRect(stored);
}

void PictureWindow::reject()
{
    close();
}

void PictureWindow::closeEvent(QCloseEvent* event)
{
    savePlacement();
    m_settings.setFunFlag(funflags::kShowPictures, false);
    event->accept();
    emit closedByUser();
}

} // namespace brainlark
