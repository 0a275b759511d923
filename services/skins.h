#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace brainlark
{

class AppSettings;

/// Window skins. A skin file ("*.skn" in the skins folder) is a Qt style sheet made for this program;
/// a skin is loaded, applied to a window and removed. The colour palette of the quiz screen and the grid
/// follows the skin's name (SkinPalette). A skin file that is missing or cannot be read changes nothing
/// and says nothing: the windows keep the look they have.
class Skins : public QObject
{
    Q_OBJECT
public:
    /// Larger files are not style sheets of ours; they are not read.
    static constexpr qint64 MaxSkinFileBytes = 1024 * 1024;

    Skins(AppSettings& settings, const QString& skinsFolder, QObject* parent = nullptr);

    QString skinsFolder() const { return m_folder; }
    /// Makes name (a file name inside the skins folder) the skin: stores it as "skin name", loads the file
    /// and, for a non-empty name, sets the palette from the name and skins every window again.
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
    bool load(const QString& path);
    void applyTo(QWidget* window) const;

    AppSettings& m_settings;
    QString m_folder;
    QString m_sheet;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace brainlark
