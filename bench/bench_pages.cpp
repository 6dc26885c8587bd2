// Drawing the page pictures of the window: one whole page through the QPainter canvas into an
// image, as a repaint of a tab draws it, at zoom 1 and 3 and at twice the pixel density.
#include "FormPageView.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void PaintPage(benchmark::State& state) {
    const int page = int(state.range(0));
    const double zoom = double(state.range(1)) / 100;
    const int ratio = int(state.range(2));
    qv::ui::FormPageView view(page);
    view.setZoom(zoom);
    QImage image(view.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
// Arguments: template page, zoom in percent, device pixels per pixel.
BENCHMARK(PaintPage)
    ->ArgNames({"page", "zoom%", "ratio"})
    ->Args({1, 100, 1})
    ->Args({1, 300, 1})
    ->Args({1, 100, 2})
    ->Args({4, 100, 1})
    ->Args({8, 100, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
