// Times a figure of the pupil's problem laid out and painted as the steps
// window paints it: at its size, into an image of the window's colours. The
// steps window draws one after every calculation the pupil opens, so each
// must come well inside a frame (16 ms). Run with QT_QPA_PLATFORM=offscreen
// where there is no display.

#include "typeset/figures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

numtext::Figure figure(const char *kind, std::initializer_list<std::pair<const char *, double>> values)
{
    numtext::Figure f{QString::fromLatin1(kind), {}};
    for (const auto &[name, value] : values)
        f.set(QString::fromLatin1(name), value);
    return f;
}

void drawOne(benchmark::State &state, const numtext::Figure &f)
{
    QImage image(600, 230, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        reference::paintFigure(p, QRectF(6, 4, 588, 222), f, numtext::DigitShape::ArabicIndic);
    }
}

} // namespace

BENCHMARK_CAPTURE(drawOne, circle, figure("circle", {{"r", 3}}));
BENCHMARK_CAPTURE(drawOne, cuboid, figure("cuboid", {{"length", 6}, {"width", 2}, {"h", 3}}));
BENCHMARK_CAPTURE(drawOne, flatTrapezoid, figure("trapezoid", {{"h", 0.001}, {"sum", 100}}));
BENCHMARK_CAPTURE(drawOne, parabola, figure("parabola", {{"a", 1}, {"b", -3}, {"c", 2}, {"x1", 1}, {"x2", 2}}));
BENCHMARK_CAPTURE(drawOne, fractions,
                  figure("fractions", {{"a", 7}, {"b", 3}, {"c", 5}, {"d", 6}, {"sign", -1}, {"n", 27}, {"m", 18}}));
BENCHMARK_CAPTURE(drawOne, thermometer, figure("temperature", {{"C", 25}, {"F", 77}}));
BENCHMARK_CAPTURE(drawOne, angle, figure("angle", {{"degrees", 135}}));

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
