// GlsKit2's property-bag text form on arbitrary text: the bag read back from its own text is the
// same bag, the typed reads stay within what a control can draw with, and every control of the
// library loads the bag and paints with it.

#include "fuzzcheck.h"

#include "common/glosskit.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <cmath>
#include <vector>

using glosskit::PropertyBag;

namespace {

// Kept until the process ends (Qt's own statics go first).
QApplication *app = nullptr;
std::vector<QWidget *> controls;

// Keys a control draws with as pixel positions and sizes.
const char *const kPixelKeys[] = {"AdjustTop", "SideIconHeight", "RSideIconHeight",
                                  "RSideIconWidth"};

void checkReads(const PropertyBag &bag) {
    // A read looks through the bag: the first keys are enough.
    for (const QString &key : bag.keys().mid(0, 64)) {
        bag.readBool(key, false);
        bag.readInt(key, 0);
        FUZZ_CHECK(std::isfinite(bag.readSingle(key, 0)));
        bag.readString(key, QString());
        bag.readColor(key, 0);
        bag.readPicture(key, glosskit::Picture());
        bag.readFont(key, QFont());
    }
    for (const char *key : kPixelKeys) {
        const QString k = QLatin1String(key);
        FUZZ_CHECK(std::abs(bag.readInt(k, 0)) <= PropertyBag::kMaxPixels);
        FUZZ_CHECK(std::fabs(bag.readSingle(k, 0)) <= PropertyBag::kMaxPixels);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    for (const QString &progId : glosskit::availableControls()) {
        QWidget *c = glosskit::createControl(progId);
        FUZZ_CHECK(c);
        c->resize(120, 40);
        controls.push_back(c);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    const PropertyBag bag = PropertyBag::fromText(text);
    checkReads(bag);

    bool ok = false;
    const PropertyBag back = PropertyBag::fromText(bag.toText(), &ok);
    FUZZ_CHECK(ok);
    FUZZ_CHECK(back == bag);

    for (const auto &c : controls) {
        FUZZ_CHECK(glosskit::loadControl(c, bag));
        for (const char *key : kPixelKeys) {
            const QVariant v = c->property(key);
            if (v.isValid())
                FUZZ_CHECK(std::fabs(v.toDouble()) <= PropertyBag::kMaxPixels);
        }
        c->grab();
    }
    return 0;
}
