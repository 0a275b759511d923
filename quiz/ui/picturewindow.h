#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

namespace brainlark
{

class AppSettings;

/// The picture of the current pair, in a window of its own beside the main window (its parent). It opens
/// where the learner last left it, always whole on the main window's screen. When the learner closes it,
/// "Show automatically" goes off and closedByUser() tells the main window, so pictures stop opening by
/// themselves; a close because the program ends changes nothing.
class PictureWindow : public QDialog
{
    Q_OBJECT
public:
    PictureWindow(AppSettings& settings, QWidget* parent = nullptr);

    /// Shows the picture at path. A path of no picture type (e.g. empty, for a pair without picture)
    /// hides the picture when it differs from the current one; a picture that cannot be shown is hidden
    /// and forgotten, and the window says why. With "Autoresize window" on the window takes the picture's
    /// size, as far as the screen beside the main window allows (a larger picture is scaled down).
    void showPicture(const QString& path);

    QString picturePath() const { return m_path; }
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage& picture() const { return m_picture; }
    /// What the window says instead of a picture that cannot be shown (empty otherwise).
    QString problem() const { return m_problem; }
    /// Where the picture is drawn in the window: centred at its own size, or scaled down to fit.
    QRect pictureRect() const;

    /// The stored rectangle where it lies whole on the main window's screen; a stored one that does not
    /// (too large, off the screen) and none at all give a place beside the main window.
    void restorePlacement();
    void savePlacement();
    /// Closes the window as the program ends: its place is kept, the learner's picture options stay.
    void closeWithProgram();

    /// A rectangle of `size` beside `owner` on `screen`: to its right, left, below or above, in the first
    /// of those places that holds it whole, else in the largest that holds at least the window's
    /// smallest size (made smaller to fit), else at the screen's bottom right corner. Never larger than
    /// the screen.
    static QRect placeBeside(QSize size, const QRect& owner, const QRect& screen,
                             QSize smallest = QSize(MinimumWidth, MinimumHeight));
    /// `rect` moved and, where it is larger, cut down so that it lies whole on `screen`.
    static QRect fittedTo(const QRect& rect, const QRect& screen);

    /// Escape closes the window as its close box does.
    void reject() override;

    static constexpr int MinimumWidth = 120;
    static constexpr int MinimumHeight = 90;

signals:
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitToPicture();
    /// The free area of the main window's screen, and the main window's outer rectangle.
    QRect screenArea() const;
    QRect ownerFrame() const;
    /// The window manager's frame around the window (none before it is first shown).
    QMargins windowFrame() const;
    void setFrameRect(const QRect& frame);

    AppSettings& m_settings;
    QString m_path;
    QImage m_picture;
    QString m_problem;
    bool m_closingWithProgram = false;
};

} // namespace brainlark
