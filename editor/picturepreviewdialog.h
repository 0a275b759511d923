#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace brainlark
{

class Prompter;

/// "Picture Preview": a picture at its own size (scaled down only when it would not fit the screen) with an
/// OK button centred below it. The pair dialog's View and the options' background preview open it.
class PicturePreviewDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MarginLeft = 10, MarginTop = 10, MarginRight = 10, MarginBottom = 5;
    static constexpr int ButtonWidth = 40, ButtonHeight = 25;
    static constexpr int MinimumWidth = 150, MinimumHeight = 100;
    static constexpr const char* FailureMessage = QT_TR_NOOP("Sorry, could not display the image ... ");

    /// What preview() did.
    enum class Outcome { Shown, UnknownType, DecodeFailed };

    /// A dialog showing image (already decoded). maxSize bounds the client area; an empty size means the
    /// screen's available area.
    explicit PicturePreviewDialog(const QImage& image, QWidget* parent = nullptr, QSize maxSize = {});

    /// Size of the picture as shown (the decoded size, or smaller when it had to fit the screen).
    QSize shownPictureSize() const { return m_shown; }
    QLabel* pictureLabel() const { return m_picture; }
    QPushButton* okButton() const { return m_ok; }
    /// The OK button's size: ButtonWidth by ButtonHeight where its text fits, larger where a skin's padding
    /// needs more.
    static QSize buttonSize(QPushButton& button);

    /// Opens the preview for the file at path: nothing for a file type the program does not read, the
    /// failure message (OK only) when it cannot be decoded, else the modal dialog through runDialog
    /// (exec() when empty).
    static Outcome preview(const QString& path, Prompter& prompter, QWidget* parent,
                           const std::function<int(QDialog&)>& runDialog = {});

    /// The client size for a picture of the given size: margins around it, room for the button below,
    /// at least the minimum size.
    static QSize clientSizeFor(const QSize& picture);

private:
    QLabel* m_picture = nullptr;
    QPushButton* m_ok = nullptr;
    QSize m_shown;
};

} // namespace brainlark
