// One full paint of a model window's canvas at 1600 × 1000 pixels, offscreen,
// with the model at its limits: 1000 elements and 1000 bonds, every one of
// them in view. A paint must fit in a frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <string>

#include "display/window_load.h"
#include "paint/window_painter.h"
#include "shell/model_canvas.h"

namespace {

constexpr int kColumns = 40;
constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// 40 columns of 25 elements, 40 pixels apart, with three-letter captions;
// every element bonded to its right neighbour (or, at the row's end, to the
// one below), strokes and barbs on every bond.
vantor::ModelWindow full_window(vantor::AppState& app) {
    vantor::ModelWindow window;
    vantor::init_model_window(window, 1);
    vantor::Model& m = window.model;
    m.nobj = vantor::kMaxElements;
    m.nlin = vantor::kMaxBonds;
    for (int i = 1; i <= m.nobj; ++i) {
        vantor::ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        o.type = i % 3 == 0 ? "000" : (i % 3 == 1 ? "111" : "C__");
        o.caption = "E" + std::to_string(i % 100);
        o.parameters = "1e-3";
        o.maxlin = 10;
        o.numlin = 2;
        o.auxil1 = static_cast<std::int16_t>(i % 7 == 0);
        o.left = static_cast<std::int16_t>(((i - 1) % kColumns) * 600 + 150);
        o.top = static_cast<std::int16_t>(((i - 1) / kColumns) * 600 + 150);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        vantor::LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        bond.causa = static_cast<std::int16_t>(1 + j % 2);
        bond.obj1 = static_cast<std::int16_t>(j);
        const int right = j % kColumns == 0 ? j + kColumns : j + 1;
        bond.obj2 = static_cast<std::int16_t>(right <= m.nobj ? right : j - kColumns);
    }
    vantor::show_loaded_model(window, app);
    return window;
}

void BM_PaintWholeDrawing(benchmark::State& state) {
    vantor::AppState app;
    const vantor::ModelWindow window = full_window(app);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor::fromRgb(vantor::paint::kPaperRgb));
        vantor::paint::paint_window(painter, window, vantor::paint::scroll_origin(window),
                                    image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintWholeDrawing)->Unit(benchmark::kMillisecond);

// The canvas widget itself: its paint event and the scroll bars over it.
void BM_RepaintCanvas(benchmark::State& state) {
    vantor::AppState app;
    vantor::ModelWindow window = full_window(app);
    window.viewport.width = kWidth * 15 + 120;
    window.viewport.height = kHeight * 15 + 675;
    vantor::shell::ModelCanvas canvas(window, [](const vantor::EditorEvent&) {});
    canvas.resize(kWidth, kHeight);
    canvas.refresh();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        canvas.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintCanvas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
