// Renders and paints the cover-flow view at 800 x 400 with 20 slides, at rest and on every
// animation tick, and prints the mean and worst times: a tick must fit well inside its 30 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "QPictureFlow.h"

namespace {

constexpr int kSlides = 20;
constexpr int kRestRuns = 50;

QImage photo(int i)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 640, 480);
    gradient.setColorAt(0, QColor::fromHsv(i * 17 % 360, 200, 230));
    gradient.setColorAt(1, QColor::fromHsv((i * 17 + 120) % 360, 200, 120));
    painter.fillRect(image.rect(), gradient);
    return image;
}

// Milliseconds for one forced render and synchronous paint.
double paintOnce(QPictureFlow &view)
{
    QElapsedTimer timer;
    timer.start();
    view.render();
    view.repaint();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("%-34s mean %6.2f ms  median %6.2f ms  worst %6.2f ms  (%zu paints)\n", what,
                sum / double(times.size()), times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    for (int reflection : {0, 1, 2}) {
        QPictureFlow view;
        view.resize(800, 400);
        view.setReflectionEffect(reflection);
        for (int i = 0; i < kSlides; ++i)
            view.addSlide(photo(i));
        view.setCenterIndex(5);
        view.show();
        app.processEvents();

        // A new background colour drops every surface: the next paint prepares the visible
        // ones again from the photos, later ones reuse them.
        view.setBackgroundColor(QColor(0x22, 0x22, 0x22));
        const double first = paintOnce(view);
        std::vector<double> rest;
        for (int i = 0; i < kRestRuns; ++i)
            rest.push_back(paintOnce(view));

        std::vector<double> ticks;
        view.showSlide(15);
        while (view.centerIndex() != 15) {
            view.updateAnimation();
            ticks.push_back(paintOnce(view));
        }

        std::printf("reflection %d: first paint (surfaces made) %.2f ms\n", reflection, first);
        report("  at rest", rest);
        report("  per animation tick (5 -> 15)", ticks);
    }
    return 0;
}
