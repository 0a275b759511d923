// Painting a whole quiz screen into the back buffer, as every redraw and animation frame does.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "settings/appsettings.h"
#include "core/clock.h"
#include "core/randomsource.h"
#include "core/pairlist.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/ui/imagelayer.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/quizpainter.h"
#include "quiz/ui/quizscreen.h"

using namespace brainlark;

namespace
{

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

struct PaintRig {
    explicit PaintRig(BoxLayout layout, bool picture)
    {
        settings.setFunFlags(AppFlags::SmartCounter | AppFlags::RoundCorners);
        settings.setHatch(!picture);
        settings.setBkgType(picture ? 1 : 0);
        if (picture)
            settings.setBackgroundPicture(ImageLayer::load(BRAINLARK_SOURCE_DATA_DIR "/bkg/1.jpg").image);
        for (int i = 0; i < 20; ++i)
            list.pairs().emplace_back("What is the capital city of country number " + std::to_string(i),
                                      "Capital number " + std::to_string(i));
        QuestionRequest request;
        question = QuizQuestion::build(list, request, random, clock);
        look = QuizLook(settings);
        QuizScreen::Input input;
        input.width = kWidth;
        input.height = kHeight;
        input.layout = layout;
        input.flags = AppFlags(settings.funFlags(), 0);
        screen.build(question, look, input);
        state.counterShown = true;
        state.rightCount = 42;
    }

    void paint()
    {
        QPainter painter(&buffer);
        QuizPainter::paintBackground(painter, buffer.rect(), look, settings.backgroundPicture());
        QuizPainter::paintScreen(painter, screen, look, state);
    }

    SeededRandom random{3};
    ManualClock clock;
    AppSettings settings{random};
    PairList list;
    QuizQuestion question;
    QuizLook look;
    QuizScreen screen;
    QuizPainter::State state;
    QImage buffer{kWidth, kHeight, QImage::Format_RGB32};
};

void paintScreen(benchmark::State& state, BoxLayout layout, bool picture)
{
    PaintRig rig(layout, picture);
    for (auto _ : state) {
        rig.paint();
        benchmark::DoNotOptimize(rig.buffer.constBits());
    }
}

void BM_BoxesPictureBackground(benchmark::State& state)
{
    paintScreen(state, BoxLayout::Boxes1, true);
}
void BM_BoxesPattern(benchmark::State& state)
{
    paintScreen(state, BoxLayout::Boxes1, false);
}
void BM_ClassicPictureBackground(benchmark::State& state)
{
    paintScreen(state, BoxLayout::Classic, true);
}
void BM_ClassicPattern(benchmark::State& state)
{
    paintScreen(state, BoxLayout::Classic, false);
}

} // namespace

BENCHMARK(BM_BoxesPictureBackground)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxesPattern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicPictureBackground)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicPattern)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
