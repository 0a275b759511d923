#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>

#include "quiz/engine/hslcolor.h"

class QFont;
class QPainter;
class QString;
class QTextLayout;

namespace brainlark
{

class TextBox;
class TypeinField;

/// The colour scheme of one draw call: the base colour fills opaque boxes (so feedback turns the box
/// green or red) and its pale copy draws the text shadows.
struct ColourScheme {
    HslColor base;
    HslColor pale;

    static ColourScheme from(const HslColor& base) { return {base, base.pale()}; }
};

/// How one draw call differs from a plain draw.
struct TextBoxDrawOptions {
    enum class Fill { Setting, Opaque, Transparent };

    QPoint offset;             // the whole box moves by this
    Fill fill = Fill::Setting; // Setting: opaqueSetting decides
    bool opaqueSetting = true; // the "o fill mode" setting
    bool suppressShadows = false;
    int layerLimit = -1;       // at most this many shadow layers (−1: all), so layers can appear one by one
    bool withText = true;      // false: the shadow layers only
};

/// Draws the text boxes of the quiz screen: frame or fill, stacked pale shadow layers, then the
/// text in the box's own colour. A box drawn without shadow layers looks pressed: its text moves one
/// pixel right and down.
class TextBoxPainter
{
public:
    static void draw(QPainter& painter, const TextBox& box, const QFont& font, const ColourScheme& scheme,
                     const TextBoxDrawOptions& options = {});

    /// The typing field: its typed text with the character at the caret underlined. The underline is
    /// the caret, drawn without moving the text; at the end of the text it underlines the space the
    /// next character would take. Centred horizontally ("Center text") or left-aligned.
    static void drawTypeIn(QPainter& painter, const TypeinField& field, const QFont& font,
                           const ColourScheme& scheme, bool centred, const TextBoxDrawOptions& options = {});

    /// The box's text format as Qt alignment and text flags.
    static int qtFlags(unsigned format);
    /// The font itself when the text fits the area with it, otherwise the largest smaller pixel size that
    /// does, down to SmallestFittedPixels.
    static QFont fittedFont(const QFont& font, const QString& text, const QRect& area, int flags);
    static constexpr int SmallestFittedPixels = 9;

private:
    static void drawFrame(QPainter& painter, const TextBox& box, const ColourScheme& scheme,
                          const TextBoxDrawOptions& options);
    static int shadowLayers(const TextBox& box, const TextBoxDrawOptions& options);
    static void drawCaret(QPainter& painter, const QTextLayout& layout, const QPoint& origin, int caret,
                          int caretEnd, const QFont& font);
};

} // namespace brainlark
