#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

namespace brainlark
{

class AppSettings;

/// The picture of the current pair, in a window of its own beside the main window. It opens where the
/// learner last left it. When the learner closes it, "Show automatically" goes off and closedByUser()
/// tells the main window, so pictures stop opening by themselves.
class PictureWindow : public QDialog
{
    Q_OBJECT
public:
    PictureWindow(AppSettings& settings, QWidget* parent = nullptr);

    /// Shows the picture at path. A path of no picture type (e.g. empty, for a pair without picture)
    /// hides the picture when it differs from the current one; a picture that cannot be decoded is
    /// hidden and forgotten. With "Autoresize window" on the window grows to hold the picture (it
    /// never shrinks, and never grows beyond the screen).
    void showPicture(const QString& path);

    QString picturePath() const { return m_path; }
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage& picture() const { return m_picture; }
    /// Where the picture is drawn in the window: centred at its own size, or scaled down to fit.
    QRect pictureRect() const;

    /// The stored rectangle, when all four values are set.
    void restorePlacement();
    void savePlacement();

    /// Escape closes the window as its close box does.
    void reject() override;

signals:
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void growToPicture();

    AppSettings& m_settings;
    QString m_path;
    QImage m_picture;
};

} // namespace brainlark
