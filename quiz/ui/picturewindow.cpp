#include "quiz/ui/picturewindow.h"

#include "quiz/ui/imagelayer.h"
#include "settings/appsettings.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace brainlark
{

PictureWindow::PictureWindow(AppSettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The quiz keeps the keyboard when a picture comes up beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(320, 240);
}

void PictureWindow::showPicture(const QString& path)
{
    if (ImageLayer::imageTypeOf(path) == ImageType::Unknown) {
        if (path != m_path) {
            m_picture = QImage();
            m_path.clear();
            m_problem.clear();
            update();
        }
        return;
    }
    m_path = path;
    PictureResult decoded = ImageLayer::load(path);
    if (!decoded.ok()) {
        m_picture = QImage();
        m_path.clear();
        // An empty grey window would look like a fault of the program; say what is wrong with the file.
        const QString shown = QDir::toNativeSeparators(path);
        m_problem = QFileInfo::exists(path)
                        ? tr("The picture %1 cannot be shown:\n%2").arg(shown, decoded.error)
                        : tr("The picture %1 is missing.").arg(shown);
        update();
        return;
    }
    m_problem.clear();
    m_picture = std::move(decoded.image);
    if (m_settings.funFlag(funflags::kAutoresizePictureWindow))
        fitToPicture();
    update();
}

// The window takes the picture's size, also when that is smaller than before: a big picture must not leave a
// big window over the quiz for the next small one. It stays where it is when it still lies whole on the
// screen beside the main window, and moves beside it otherwise.
void PictureWindow::fitToPicture()
{
    const QMargins frame = windowFrame();
    const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize wanted = m_picture.size().expandedTo(minimumSize()) + frameExtra;
    const QRect screen = screenArea();
    const QRect owner = ownerFrame();
    QRect place(frameGeometry().topLeft(), wanted);
    if (!screen.contains(place) || place.intersects(owner))
        place = placeBeside(wanted, owner, screen, minimumSize() + frameExtra);
    setFrameRect(place);
}

QRect PictureWindow::placeBeside(QSize size, const QRect& owner, const QRect& screen, QSize smallest)
{
    size = size.boundedTo(screen.size());
    struct Side {
        QRect room;
        bool horizontal; // beside the owner rather than below or above it
        bool before;     // left of or above the owner
    };
    const Side sides[] = {
        {QRect(QPoint(owner.right() + 1, screen.top()), screen.bottomRight()) & screen, true, false},
        {QRect(screen.topLeft(), QPoint(owner.left() - 1, screen.bottom())) & screen, true, true},
        {QRect(QPoint(screen.left(), owner.bottom() + 1), screen.bottomRight()) & screen, false, false},
        {QRect(screen.topLeft(), QPoint(screen.right(), owner.top() - 1)) & screen, false, true},
    };
    const auto placeIn = [&owner](const Side& side, QSize s) {
        const QRect& room = side.room;
        QRect r(QPoint(), s);
        if (side.horizontal) {
            r.moveLeft(side.before ? room.right() + 1 - s.width() : room.left());
            r.moveTop(std::clamp(owner.top(), room.top(), room.bottom() + 1 - s.height()));
        } else {
            r.moveTop(side.before ? room.bottom() + 1 - s.height() : room.top());
            r.moveLeft(std::clamp(owner.left(), room.left(), room.right() + 1 - s.width()));
        }
        return r;
    };
    const bool ownerOnScreen = owner.isValid() && owner.intersects(screen);
    if (ownerOnScreen) {
        for (const Side& side : sides) {
            if (side.room.isValid() && side.room.width() >= size.width() &&
                side.room.height() >= size.height())
                return placeIn(side, size);
        }
        const Side* best = nullptr;
        qint64 bestArea = 0;
        for (const Side& side : sides) {
            if (!side.room.isValid() || side.room.width() < smallest.width() ||
                side.room.height() < smallest.height())
                continue;
            const QSize s = size.boundedTo(side.room.size());
            if (qint64(s.width()) * s.height() > bestArea) {
                best = &side;
                bestArea = qint64(s.width()) * s.height();
            }
        }
        if (best)
            return placeIn(*best, size.boundedTo(best->room.size()));
    }
    return QRect(screen.right() + 1 - size.width(), screen.bottom() + 1 - size.height(), size.width(),
                 size.height());
}

QRect PictureWindow::fittedTo(const QRect& rect, const QRect& screen)
{
    const QSize size = rect.size().boundedTo(screen.size());
    const int left = std::clamp(rect.left(), screen.left(), screen.right() + 1 - size.width());
    const int top = std::clamp(rect.top(), screen.top(), screen.bottom() + 1 - size.height());
    return QRect(left, top, size.width(), size.height());
}

QRect PictureWindow::screenArea() const
{
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner && owner->screen() ? owner->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QRect PictureWindow::ownerFrame() const
{
    const QWidget* owner = parentWidget();
    return owner ? owner->frameGeometry() : QRect();
}

QMargins PictureWindow::windowFrame() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void PictureWindow::setFrameRect(const QRect& frame)
{
    setGeometry(frame.marginsRemoved(windowFrame()));
}

void PictureWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window manager's frame is known only now; the window must still lie whole on the screen.
    const QRect screen = screenArea();
    if (!screen.contains(frameGeometry()))
        setFrameRect(fittedTo(frameGeometry(), screen));
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
    if (m_picture.isNull()) {
        if (!m_problem.isEmpty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWrapAnywhere,
                             m_problem);
        }
        return;
    }
    const QRect target = pictureRect();
    if (target.size() == m_picture.size())
        ImageLayer::drawAt(painter, target.topLeft(), m_picture);
    else
        ImageLayer::drawStretched(painter, target, m_picture);
}

void PictureWindow::restorePlacement()
{
    const AppSettings::WindowRect stored = m_settings.pictureWindowRect();
    const QRect screen = screenArea();
    if (!stored.complete() || stored.x2 <= stored.x1 || stored.y2 <= stored.y1) {
        setFrameRect(placeBeside(frameGeometry().size(), ownerFrame(), screen,
                                 minimumSize() + (frameGeometry().size() - size())));
        return;
    }
    // Stored values may be anything: a size beyond the screen or a place on a screen that is gone would
    // leave the window over everything or out of reach.
    const auto clampedSide = [](int from, int to) {
        return int(std::clamp<qint64>(qint64(to) - from, 1, std::numeric_limits<int>::max() / 2));
    };
    const int left = int(std::clamp<qint64>(stored.x1, -(1 << 24), 1 << 24));
    const int top = int(std::clamp<qint64>(stored.y1, -(1 << 24), 1 << 24));
    const QRect rect(left, top, clampedSide(stored.x1, stored.x2), clampedSide(stored.y1, stored.y2));
    const QRect wanted = rect.marginsAdded(windowFrame());
    QRect place = fittedTo(wanted, screen);
    // A place that lies whole on the screen is the learner's and is kept. One that had to be cut or moved
    // (a size beyond the screen, a screen that is gone) would now lie anywhere, mostly over the quiz: it
    // goes beside the main window, where a new window goes.
    if (place != wanted)
        place = placeBeside(place.size(), ownerFrame(), screen,
                            minimumSize() + (frameGeometry().size() - size()));
    setFrameRect(place);
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

void PictureWindow::closeWithProgram()
{
    m_closingWithProgram = true;
    close();
}

void PictureWindow::reject()
{
    close();
}

void PictureWindow::closeEvent(QCloseEvent* event)
{
    savePlacement();
    event->accept();
    // Qt closes every window that is still open when the program quits, after the main window has gone;
    // such a close is not the learner's and must not switch the pictures off for the next session.
    const QWidget* owner = parentWidget();
    if (m_closingWithProgram || (owner && !owner->isVisible()))
        return;
    m_settings.setFunFlag(funflags::kShowPictures, false);
    emit closedByUser();
}

} // namespace brainlark
