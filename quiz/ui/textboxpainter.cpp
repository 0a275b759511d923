#include "quiz/ui/textboxpainter.h"
#include "quiz/ui/listtext.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "quiz/engine/textbox.h"
#include "quiz/engine/typeinfield.h"
#include "quiz/ui/qtcolor.h"

namespace brainlark
{

namespace
{

QRect toQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

/// Lays the text out in lines of the given width; returns the total height.
qreal layOut(QTextLayout& layout, int width)
{
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

int verticalStart(unsigned format, int available, qreal needed)
{
    return (format & TextBox::VCenter) ? (available - qRound(needed)) / 2 : 0;
}

} // namespace

QFont TextBoxPainter::fittedFont(const QFont& font, const QString& text, const QRect& area, int flags)
{
    auto fits = [&](const QFont& candidate) {
        const QRect need = QFontMetrics(candidate).boundingRect(area, flags, text);
        return need.width() <= area.width() && need.height() <= area.height();
    };
    if (text.isEmpty() || area.isEmpty() || fits(font))
        return font;
    // The largest size that fits, found by halving, but never below a still readable size (a text too long
    // for any readable size is cut at the box's edge as before).
    QFont fitted = font;
    int low = SmallestFittedPixels;
    int high = std::max(QFontInfo(font).pixelSize() - 1, low);
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        fitted.setPixelSize(middle);
        if (fits(fitted))
            low = middle;
        else
            high = middle - 1;
    }
    fitted.setPixelSize(low);
    return fitted;
}

void TextBoxPainter::draw(QPainter& painter, const TextBox& box, const QFont& font,
                          const ColourScheme& scheme, const TextBoxDrawOptions& options)
{
    painter.save();
    painter.translate(options.offset);
    if (box.isFramed())
        drawFrame(painter, box, scheme, options);
    const QRect textRect = toQRect(box.textRect());
    const int flags = qtFlags(box.format());
    const QString text = ListText::toQString(box.text());
    // Arabic or Hebrew runs from the right: the text's own direction, not the window's, orders it.
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    // A font chosen too large for the screen shrinks to fit instead of showing pieces of letters.
    painter.setFont(fittedFont(font, text, textRect, flags));
    const int layers = shadowLayers(box, options);
    painter.setPen(toQColor(scheme.pale));
    const int drawn = options.layerLimit < 0 ? layers : std::min(layers, options.layerLimit);
    for (int i = 0; i < drawn; ++i) {
        const int shift = box.shadowOffset(i);
        painter.drawText(textRect.translated(shift, shift), flags, text);
    }
    const int pressed = layers == 0 ? 1 : 0;
    painter.setPen(toQColor(box.textColor()));
    if (options.withText)
        painter.drawText(textRect.translated(pressed, pressed), flags, text);
    painter.restore();
}

void TextBoxPainter::drawTypeIn(QPainter& painter, const TypeinField& field, const QFont& font,
                                const ColourScheme& scheme, bool centred, const TextBoxDrawOptions& options)
{
    painter.save();
    painter.translate(options.offset);
    if (field.isFramed())
        drawFrame(painter, field, scheme, options);
    const QRect textRect = toQRect(field.textRect());
    // Laid out once and drawn as it is, so the caret cannot move the text.
    // The caret underlines the character at it, the pre-edit text of an input method standing before it.
    const std::string shown = field.shownText();
    const size_t caretBytes = field.byteOffset(field.caret()) + field.preedit().size();
    const size_t nextBytes =
        caretBytes + field.byteOffset(field.caret() + 1) - field.byteOffset(field.caret());
    const int caretStart = int(ListText::toQString(std::string_view(shown).substr(0, caretBytes)).size());
    const int caretEnd = int(ListText::toQString(std::string_view(shown).substr(0, nextBytes)).size());
    QTextLayout layout(ListText::toQString(shown), font);
    QTextOption textOption(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    textOption.setTextDirection(layout.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    textOption.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(textOption);
    const qreal height = layOut(layout, textRect.width());
    const QPoint origin =
        textRect.topLeft() + QPoint(0, verticalStart(field.format(), textRect.height(), height));

    const int layers = shadowLayers(field, options);
    painter.setPen(toQColor(scheme.pale));
    for (int i = 0; i < layers; ++i) {
        const int shift = field.shadowOffset(i);
        layout.draw(&painter, origin + QPoint(shift, shift));
    }
    const QPoint textOrigin = origin + (layers == 0 ? QPoint(1, 1) : QPoint(0, 0));
    painter.setPen(toQColor(field.textColor()));
    layout.draw(&painter, textOrigin);
    drawCaret(painter, layout, textOrigin, caretStart, caretEnd, font);
    painter.restore();
}

int TextBoxPainter::qtFlags(unsigned format)
{
    int flags = 0;
    if (format & TextBox::AlignCenter)
        flags |= Qt::AlignHCenter;
    else if (format & TextBox::AlignRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    flags |= (format & TextBox::VCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    if (format & TextBox::SingleLine)
        flags |= Qt::TextSingleLine;
    else if (format & TextBox::WordBreak)
        flags |= Qt::TextWordWrap;
    if (format & TextBox::ExpandTabs)
        flags |= Qt::TextExpandTabs;
    return flags;
}

void TextBoxPainter::drawFrame(QPainter& painter, const TextBox& box, const ColourScheme& scheme,
                               const TextBoxDrawOptions& options)
{
    const bool opaque = options.fill == TextBoxDrawOptions::Fill::Opaque ||
                        (options.fill == TextBoxDrawOptions::Fill::Setting && options.opaqueSetting);
    if (opaque) {
        painter.setPen(QPen(toQColor(box.borderColor()), 1));
        painter.setBrush(toQColor(scheme.base));
    } else {
        painter.setPen(QPen(toQColor(box.outlineColor()), 1));
        painter.setBrush(Qt::NoBrush);
    }
    // The right and bottom edges lie just outside the box, so the outline ends one pixel before them.
    const QRect outline = toQRect(box.rect()).adjusted(0, 0, -1, -1);
    if (box.cornerRadius() > 0) {
        // The corner radius is the diameter of the corner arcs.
        const qreal radius = box.cornerRadius() / 2.0;
        painter.drawRoundedRect(outline, radius, radius);
    } else {
        painter.drawRect(outline);
    }
    painter.setBrush(Qt::NoBrush);
}

int TextBoxPainter::shadowLayers(const TextBox& box, const TextBoxDrawOptions& options)
{
    return options.suppressShadows ? 0 : std::max(box.shadowDepth(), 0);
}

void TextBoxPainter::drawCaret(QPainter& painter, const QTextLayout& layout, const QPoint& origin, int caret,
                               int caretEnd, const QFont& font)
{
    if (layout.lineCount() == 0)
        return;
    const int length = int(layout.text().size());
    caret = std::clamp(caret, 0, length);
    caretEnd = std::clamp(caretEnd, caret, length);
    QTextLine line = layout.lineForTextPosition(caret);
    if (!line.isValid())
        line = layout.lineAt(layout.lineCount() - 1);
    const QFontMetrics metrics(font);
    // Right-to-left text runs the other way: the character's edges in whichever order they come.
    const qreal start = line.cursorToX(caret);
    const qreal end = caret < length ? line.cursorToX(caretEnd) : start;
    const qreal left = std::min(start, end);
    qreal right = std::max(start, end);
    if (right <= left) // end of the text or of a wrapped line: a space's width
        right = left + metrics.horizontalAdvance(QLatin1Char(' '));
    const qreal y = line.y() + line.ascent() + metrics.underlinePos();
    const QRectF underline(origin.x() + left, origin.y() + y, right - left, std::max(metrics.lineWidth(), 1));
    painter.fillRect(underline, painter.pen().color());
}

} // namespace brainlark
