// Captions on the built-in faces of GlossCommand and GlossHCommand, with the real artwork: in the
// colour the library gives for a face, a caption reads on it (half its pixels at least 4.5 : 1
// against the face right under them, nine tenths at least 2 : 1).

#include "command/glosscommand.h"
#include "common/drawing.h"
#include "datatable.h"
#include "hcommand/glosshcommand.h"

#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace glosskit;

namespace {
QFont CaptionFont() {
    QFont f(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    f.setStyleStrategy(QFont::NoAntialias); // every caption pixel is the caption's colour
    return f;
}

struct Contrast {
    double worstTenth = 0; // of the caption's pixels
    double median = 0;
};

// The contrast the caption keeps with the face right under it: a control drawn twice, with and
// without its caption.
template <class Control> Contrast CaptionContrast(const std::function<void(Control &)> &setUp) {
    Control with, without;
    for (Control *c : {&with, &without}) {
        setUp(*c);
        c->setFontProperty(CaptionFont());
    }
    with.setCaption(QStringLiteral("Caption Text"));
    without.setCaption(QString());
    const QImage a = with.surface().toImage(), b = without.surface().toImage();
    std::vector<double> contrast;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                contrast.push_back(contrastRatio(a.pixelColor(x, y), b.pixelColor(x, y)));
    if (contrast.empty())
        return {};
    std::sort(contrast.begin(), contrast.end());
    return {contrast[contrast.size() / 10], contrast[contrast.size() / 2]};
}
} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void faces_data();
    void faces();
};

void TestCaptions::faces_data() {
    columns<bool, int>("bar", "face");
    const char *command[] = {"SpiralRainbow", "CyanWater",      "BlueBubblyWater",  "AuroraZone",
                             "GreenWater",    "TriColorTemple", "UnderwaterClouds", "LollipopLand"};
    const char *bar[] = {"CyanWater", "BlueWater", "TriColor",   "Crystaline",
                         "Clouds",    "OldMarble", "TintMarble", "Spectrum"};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("command %s", command[i]) << false << i;
        QTest::addRow("bar %s", bar[i]) << true << i;
    }
}

void TestCaptions::faces() {
    QFETCH(bool, bar);
    QFETCH(int, face);
    const Contrast c = bar ? CaptionContrast<GlossHCommand>([face](GlossHCommand &b) {
        b.setForeColor(GlossHCommand::captionColorFor(face));
        b.setGlossStyle(GlossHCommand::GKHCommandTypes(face));
    })
                           : CaptionContrast<GlossCommand>([face](GlossCommand &b) {
                                 b.resize(250, 100);
                                 b.setForeColor(GlossCommand::captionColorFor(face));
                                 b.setBackPicture(GlossCommand::GKBackPics(face));
                             });
    QVERIFY2(c.median >= 4.5 && c.worstTenth >= 2,
             qPrintable(QStringLiteral("%1, %2").arg(c.median).arg(c.worstTenth)));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
