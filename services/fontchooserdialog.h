#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;

namespace brainlark
{

/// The program's font chooser: a face list, a size list (character heights in pixels) and a sample, OK
/// and Cancel. It can leave out kinds of faces (Prompter::FontFilter bits), which the desktop's own font
/// dialog cannot: the answer and card fonts must not be symbol fonts, or the quiz screen turns into
/// pictograms.
class FontChooserDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* SampleText = "AaBbYyZz 0123456789";

    /// What the filters look at.
    struct FaceTraits {
        bool symbol = false;
        bool fixedPitch = false;
    };
    using TraitsLookup = std::function<FaceTraits(const QString& face)>;

    /// faces: the faces to offer (empty = every face the system has); traits: how a face is measured
    /// (empty = the system's font database). An empty title gives "Font".
    FontChooserDialog(const QString& face, int pixelSize, const QString& title, unsigned filters,
                      QWidget* parent = nullptr, const QStringList& faces = {}, TraitsLookup traits = {});

    /// The faces that pass the filters, in their order.
    static QStringList filterFaces(const QStringList& faces, unsigned filters, const TraitsLookup& traits);
    static FaceTraits systemTraits(const QString& face);

    QStringList offeredFaces() const;
    QString face() const;
    int pixelSize() const;
    void selectFace(const QString& face);
    void selectPixelSize(int pixelSize);

private:
    void updateSample();

    QListWidget* m_faces = nullptr;
    QListWidget* m_sizes = nullptr;
    QLabel* m_sample = nullptr;
};

} // namespace brainlark
