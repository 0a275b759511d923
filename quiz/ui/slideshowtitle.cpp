#include "quiz/ui/slideshowtitle.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "quiz/engine/slideshowplan.h"
#include "quiz/engine/textbox.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizcanvas.h"
#include "quiz/ui/quizstage.h"
#include "quiz/ui/textboxpainter.h"
#include "services/timeline.h"
#include "settings/skinpalette.h"

namespace brainlark
{

namespace
{

const HslColor kTitleShadow(111, 111, 111);
const HslColor kSlideshowShadow(111, 112, 211);
constexpr int kTitleRise = 30;
// The text colours, palette slots that are light (on the opening green) or dark (on a light background
// picture or colour) on every skin.
constexpr int kLightTitleSlot = 1;
constexpr int kLightSlideshowSlot = 19;
constexpr int kDarkTitleSlot = 16;
constexpr int kDarkSlideshowSlot = 2;

} // namespace

void SlideshowTitle::add(Timeline& timeline, QuizStage& stage, const SkinPalette& palette,
                         const QString& listTitle)
{
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(FontPixels);
    font.setWeight(QFont::Normal);
    const QImage& image = stage.canvas().image();
    const QPoint centre = image.rect().center();
    // The title must stand out from whatever the opening transition left behind it.
    const bool darkScreen = QColor(image.pixel(centre)).lightnessF() < 0.5;
    struct Line {
        QString text;
        int rise;
        HslColor colour;
        HslColor shadow;
    };
    const Line lines[] = {
        {listTitle, kTitleRise, palette.hsl(darkScreen ? kLightTitleSlot : kDarkTitleSlot), kTitleShadow},
        {QCoreApplication::translate("brainlark::SlideshowTitle", " Slideshow"), 0,
         palette.hsl(darkScreen ? kLightSlideshowSlot : kDarkSlideshowSlot), kSlideshowShadow},
    };
    const QFontMetrics metrics(font);
    for (const Line& line : lines) {
        TextBox box(ListText::fromQString(line.text));
        box.setFont(font.family().toStdString(), FontPixels, 400);
        box.setFormat(TextBox::AlignCenter | TextBox::VCenter | TextBox::SingleLine);
        box.setTextColor(line.colour);
        box.fitTo(metrics.horizontalAdvance(line.text) + 4, metrics.height());
        box.moveCenterTo({centre.x(), centre.y() - line.rise});
        const ColourScheme scheme = ColourScheme::from(line.shadow);
        const int layers = std::max(box.shadowDepth(), 0);
        for (int layer = 0; layer <= layers; ++layer) {
            timeline.call([&stage, box, font, scheme, layer, last = layer == layers] {
                TextBoxDrawOptions options;
                options.layerLimit = layer;
                options.withText = last;
                QPainter painter(&stage.canvas().image());
                TextBoxPainter::draw(painter, box, font, scheme, options);
                painter.end();
                stage.present();
            });
            if (layer < layers)
                timeline.wait(SlideshowPlan::TitleLayerPauseMs);
        }
    }
}

} // namespace brainlark
