// The list editor on a list of 100,000 pairs: filling the viewer (model reset and the first paint),
// sorting by the Rating column, and saving from the editor against the plain save of the same list.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "bench/benchlist.h"
#include "core/flyarchive.h"
#include "core/randomsource.h"
#include "editor/gridview.h"
#include "services/prompter.h"
#include "settings/appsettings.h"

using namespace brainlark;

namespace
{

const std::string Stamp = FlyArchive::makeStamp("Mon Jan  1 12:00:00 2024");

// The editor asks nothing in these runs; every question is answered with its first button.
class SilentPrompter : public Prompter
{
public:
    int message(const QString&, Icon, Buttons) override { return Ok; }
    GuideAnswer guide(GuideKind, const QString&, int) override { return {Ok, false}; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&, const QString&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont&, const QString&, unsigned) override { return std::nullopt; }
    std::optional<QString> askPassword() override { return std::nullopt; }
};

struct Fixture {
    Fixture() : settings(random)
    {
        settings.resetToDefaults();
        settings.setDialogFlags(0);
        list = bench::makeBenchList();
        list.updateLengthRatio();
        QDir(folder.path()).mkpath("data");
    }
    EditorContext context()
    {
        EditorContext c;
        c.settings = &settings;
        c.prompter = &prompter;
        c.programFolder = folder.path();
        return c;
    }
    std::string path(const char* name) const { return QFile::encodeName(folder.filePath(name)).toStdString(); }

    SeededRandom random{1};
    AppSettings settings;
    SilentPrompter prompter;
    PairList list;
    QTemporaryDir folder;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_FillViewer(benchmark::State& state)
{
    Fixture& f = fixture();
    GridView grid(f.context());
    grid.resize(1000, 700);
    grid.setMode(GridView::Mode::View);
    QImage canvas(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.fill(&f.list);
        grid.render(&canvas);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.counters["rows"] = grid.model()->rows();
}
BENCHMARK(BM_FillViewer)->Unit(benchmark::kMillisecond);

void BM_SortByRating(benchmark::State& state)
{
    Fixture& f = fixture();
    GridView grid(f.context());
    grid.resize(1000, 700);
    grid.setMode(GridView::Mode::View);
    for (auto _ : state) {
        state.PauseTiming();
        grid.fill(&f.list); // unsorted again, and the next click sorts descending
        state.ResumeTiming();
        grid.sortByHeader(PairTableModel::Rating);
    }
}
BENCHMARK(BM_SortByRating)->Unit(benchmark::kMillisecond);

void BM_SaveFromEditor(benchmark::State& state)
{
    Fixture& f = fixture();
    GridView grid(f.context());
    grid.setMode(GridView::Mode::Edit);
    grid.fill(&f.list);
    grid.setFilePath(QString::fromStdString(f.path("editor.fly")));
    for (auto _ : state) {
        if (!grid.save())
            state.SkipWithError("the editor could not save");
    }
}
BENCHMARK(BM_SaveFromEditor)->Unit(benchmark::kMillisecond);

void BM_SavePlainList(benchmark::State& state)
{
    Fixture& f = fixture();
    std::string error;
    for (auto _ : state) {
        if (!FlyArchive::writeFile(f.path("plain.fly"), f.list, Stamp, &error))
            state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_SavePlainList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
