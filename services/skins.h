#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class QWidget;

namespace brainlark
{

class AppSettings;

/// Window skins. A skin file ("*.skn" in the skins folder) is a Qt style sheet made for this program;
/// a skin is loaded, applied to a window and removed. The colour palette of the quiz screen and the grid
/// follows the skin's name (SkinPalette). A skin file that is missing or cannot be read changes nothing
/// and says nothing: the windows keep the look they have, and the skin name stays what it was.
///
/// Pictures a skin names (`url(...)`, relative to the skins folder) are read here, as every file of the
/// program is, and Qt is handed private copies: Qt's style sheets would open the named file themselves,
/// and a FIFO or device named there would hang the program at every start. A skin with a picture that
/// cannot be read that way, or naming one in a way Qt reads but this scan does not take apart (escapes,
/// stray quotes), is refused whole.
class Skins : public QObject
{
    Q_OBJECT
public:
    /// Larger files are not style sheets of ours; they are not read.
    static constexpr qint64 MaxSkinFileBytes = 1024 * 1024;
    /// The most and the largest pictures one skin may name.
    static constexpr int MaxSkinImages = 64;
    static constexpr qint64 MaxSkinImageBytes = 8 * 1024 * 1024;

    Skins(AppSettings& settings, const QString& skinsFolder, QObject* parent = nullptr);

    QString skinsFolder() const { return m_folder; }
    /// Makes name (a file name inside the skins folder) the skin: loads the file and, when it could be
    /// read, stores it as "skin name", sets the palette from the name and skins every window again. An
    /// empty name only empties "skin name".
    void applySkin(const QString& name);
    /// "Turn Skins Off": palette 0, no skin name, every window plain again.
    void skinsOff();
    /// A window that opens gets the skin when one is chosen; it follows later changes while it lives.
    void skinWindow(QWidget* window);

    /// The style sheet of the last skin file that could be read (empty before).
    QString loadedStyleSheet() const { return m_sheet; }
    bool skinActive() const;

signals:
    /// The palette changed: the quiz screen lays itself out again in the new colours.
    void paletteChanged();

private:
    /// The style sheet of the skin file at path with its pictures replaced by private copies.
    bool load(const QString& path, QString& sheet);
    bool copyPictures(QString& sheet);
    void applyTo(QWidget* window) const;

    AppSettings& m_settings;
    QString m_folder;
    QString m_sheet;
    std::unique_ptr<QTemporaryDir> m_pictureCopies;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace brainlark
