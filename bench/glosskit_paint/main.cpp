// glosskit_paint: repaints per second of a sphere and of a 300 x 300 screen, with the decoded
// bitmaps kept and with every repaint decoding its bitmaps again; the last lines give the ratio.

#include "common/resources.h"
#include "screen/glossscreen.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

using namespace glosskit;

namespace {

struct Result {
    double perSecond;
    double decodesPerRepaint;
};

// Repeats one forced repaint for about the given time.
Result measure(const std::function<void()> &repaint, qint64 ms) {
    for (int i = 0; i < 20; ++i) // warm up (first decodes, caches)
        repaint();
    const int decodes = bitmapDecodeCount();
    QElapsedTimer t;
    t.start();
    long n = 0;
    while (t.elapsed() < ms) {
        for (int i = 0; i < 50; ++i)
            repaint();
        n += 50;
    }
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    return {double(n) / seconds, double(bitmapDecodeCount() - decodes) / double(n)};
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const qint64 ms = argc > 1 ? QByteArray(argv[1]).toLongLong() : 700;

    GlossSphere sphere;
    sphere.setSphereType(GlossSphere::GlsSphereRainbow);
    GlossScreen screen;
    screen.resize(300, 300);
    // Assigning the type repaints the whole control (with force, for the sphere).
    auto sphereRepaint = [&] { sphere.setSphereType(GlossSphere::GlsSphereRainbow); };
    auto screenRepaint = [&] { screen.setScreenType(GlossScreen::GKGreenScreen); };

    setBitmapCacheEnabled(true);
    const Result sphereCached = measure(sphereRepaint, ms);
    const Result screenCached = measure(screenRepaint, ms);
    setBitmapCacheEnabled(false);
    const Result sphereDecoded = measure(sphereRepaint, ms);
    const Result screenDecoded = measure(screenRepaint, ms);
    setBitmapCacheEnabled(true);

    auto line = [](const char *what, const char *mode, const Result &r) {
        std::printf("%-22s %-14s %10.0f repaints/s  %5.2f decodes/repaint\n", what, mode,
                    r.perSecond, r.decodesPerRepaint);
    };
    line("sphere 32 x 32", "cached", sphereCached);
    line("sphere 32 x 32", "decoding", sphereDecoded);
    line("screen 300 x 300", "cached", screenCached);
    line("screen 300 x 300", "decoding", screenDecoded);
    std::printf("ratio sphere cached/decoding: %.2f\n",
                sphereCached.perSecond / sphereDecoded.perSecond);
    std::printf("ratio screen cached/decoding: %.2f\n",
                screenCached.perSecond / screenDecoded.perSecond);
    return 0;
}
