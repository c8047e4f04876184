#include "gallery.h"

#include "common/glosskit.h"
#include "common/resources.h"
#include "screen/glossscreen.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace glosskit;

namespace {

GlossSphere *makeSphere(QWidget *parent, int type) {
    auto *s =
        qobject_cast<GlossSphere *>(createControl(QStringLiteral("GlossKit.GlossSphere"), parent));
    s->setSphereType(GlossSphere::GlsSphereTypeEnum(type));
    return s;
}

// Holds a sphere down as Space would, without releasing it.
void holdDown(QWidget *w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(w, &press);
}

// Shows the focus mark on a sphere that does not hold the real focus.
void markFocused(GlossSphere *s) {
    s->setShowFocus(true);
    s->setFocusColor(QColor(255, 230, 80));
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(s, &in);
}

QPixmap playIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(4, 2.5), QPointF(13.5, 8), QPointF(4, 13.5)}));
    return pm;
}

QLabel *caption(const QString &text, QWidget *parent = nullptr) {
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

Gallery::Gallery(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GlossKitGallery"));
    setWindowTitle(QStringLiteral("GlossKit gallery"));
    m_animation = new QTimer(this);
    m_animation->setInterval(80);

    auto *about = new QPushButton(QStringLiteral("About GlossKit..."));
    about->setObjectName(QStringLiteral("AboutButton"));
    connect(about, &QPushButton::clicked, this, [this] {
        if (auto *s = findChild<GlossSphere *>())
            s->AboutMe();
    });

    auto *left = new QVBoxLayout;
    left->addWidget(sphereSection());
    left->addWidget(customSection());
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(about);
    left->addLayout(bottom);
    left->addStretch();

    auto *right = new QVBoxLayout;
    right->addWidget(commandSection());
    auto *lower = new QHBoxLayout;
    lower->addWidget(hcommandSection());
    lower->addWidget(checkSection(), 0, Qt::AlignTop);
    right->addLayout(lower);
    right->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(screenSection(), 1);
    layout->addLayout(right);
    m_animation->start();
}

QWidget *Gallery::sphereSection() {
    static const char *const names[] = {"Rings",   "GasGiant1", "GasGiant2", "Rainbow", "RainFlux",
                                        "Pixelix", "Vortex",    "Cables",    "Clouds",  "Blue"};
    auto *box = new QGroupBox(QStringLiteral("GlossSphere: built-in types"));
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const QStringList heads = {QString(),
                               QStringLiteral("rest"),
                               QStringLiteral("pressed"),
                               QStringLiteral("disabled"),
                               QStringLiteral("focused"),
                               QStringLiteral("letter"),
                               QStringLiteral("icon"),
                               QStringLiteral("64 px")};
    for (int c = 0; c < heads.size(); ++c)
        grid->addWidget(caption(heads[c]), 0, c);
    for (int type = 0; type < 10; ++type) {
        const int row = type + 1;
        auto *name = new QLabel(QStringLiteral("%1 %2").arg(type).arg(QLatin1String(names[type])));
        grid->addWidget(name, row, 0);
        for (int col = 1; col <= 7; ++col) {
            auto *cell = new QWidget;
            cell->setFixedSize(col == 7 ? 66 : 36, col == 7 ? 66 : 36);
            GlossSphere *s = makeSphere(cell, type);
            s->move(2, 2);
            switch (col) {
            case 2:
                holdDown(s);
                break;
            case 3:
                s->setPictureDisabled(Picture()); // none: the library's disabled face
                s->setEnabledProperty(false);
                break;
            case 4:
                markFocused(s);
                break;
            case 5:
                s->setForeColor(Qt::white);
                s->setFontProperty(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
                s->setContentLetter(QString(QChar('A' + type)));
                s->setContentType(GlossSphere::GlsCntLetter);
                break;
            case 6:
                s->setContentIcon(playIcon());
                s->setIconSize(GlossSphere::GlsSphrIcon16);
                s->setContentType(GlossSphere::GlsCntIcon);
                break;
            case 7:
                s->setPictureMode(GlossControl::DoubleSize);
                break;
            default:
                break;
            }
            grid->addWidget(cell, row, col, Qt::AlignCenter);
        }
    }
    return box;
}

QWidget *Gallery::customSection() {
    auto *box =
        new QGroupBox(QStringLiteral("GlossSphere: custom pictures (move the mouse over them)"));
    auto *row = new QHBoxLayout(box);
    auto addCell = [&](const QString &text, GlossSphere *s, QWidget *cell) {
        auto *v = new QVBoxLayout;
        v->addWidget(cell, 0, Qt::AlignCenter);
        v->addWidget(caption(text));
        row->addLayout(v);
        return s;
    };
    const Picture normal(resourceBitmap(309)), over(resourceBitmap(303)),
        over2(resourceBitmap(308)), pushed(resourceBitmap(409));
    for (int i = 0; i < 5; ++i) {
        auto *cell = new QWidget;
        cell->setFixedSize(52, 52);
        GlossSphere *s = makeSphere(cell, GlossSphere::glsSphereCustom);
        s->setPictureMode(GlossControl::RescaleToEdges);
        s->setGeometry(2, 2, 48, 48);
        s->setPictureNormal(normal);
        s->setPictureOver(over);
        s->setPictureOver2(over2);
        s->setPicturePushed(pushed);
        s->setUseAnimation(true);
        s->setUseOnTop(true);
        connect(m_animation, &QTimer::timeout, s, &GlossSphere::TimerInvoke);
        QString text;
        switch (i) {
        case 0:
            text = QStringLiteral("normal");
            break;
        case 1:
            // Roll-over just started: the over face.
            {
                QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), QPointF(20, 20), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(s, &move);
            }
            disconnect(m_animation, nullptr, s, nullptr);
            text = QStringLiteral("over");
            break;
        case 2:
            holdDown(s);
            text = QStringLiteral("pushed");
            break;
        case 3:
            s->setPictureDisabled(Picture(resourceBitmap(600)));
            s->setEnabledProperty(false);
            text = QStringLiteral("disabled");
            break;
        case 4:
            s->setForeColor(Qt::yellow);
            s->setFontProperty(QFont(QStringLiteral("Liberation Sans"), 16, QFont::Bold));
            s->setContentLetter(QStringLiteral("Z"));
            s->setContentType(GlossSphere::GlsCntLetter);
            markFocused(s);
            text = QStringLiteral("letter, focus");
            break;
        }
        addCell(text, s, cell);
    }
    return box;
}

QWidget *Gallery::screenSection() {
    auto *box = new QGroupBox(QStringLiteral("GlossScreen"));
    auto *grid = new QGridLayout(box);
    const char *const colours[] = {"green", "cyan", "blue"};
    auto makeScreen = [](int type, QSize size, int border = 0) {
        auto *w =
            qobject_cast<GlossScreen *>(createControl(QStringLiteral("GlossKit.GlossScreen")));
        w->setScreenType(GlossScreen::GKScreenTypes(type));
        w->setBorderStyle(border);
        w->setFixedSize(size);
        return w;
    };
    for (int t = 0; t < 3; ++t) {
        GlossScreen *big = makeScreen(t, QSize(330, 250));
        auto *label = new QLabel(
            QStringLiteral("ScreenType %1 (%2)\n330 x 250").arg(t).arg(QLatin1String(colours[t])),
            big);
        label->setStyleSheet(QStringLiteral("color: white; font: bold 14px 'Liberation Sans';"));
        label->move(60, 90);
        grid->addWidget(big, t, 0);
        GlossScreen *mid = makeScreen(t, QSize(240, 120), t == 1 ? 1 : 0);
        auto *l2 = new QLabel(
            t == 1 ? QStringLiteral("240 x 120, border") : QStringLiteral("240 x 120"), mid);
        l2->setStyleSheet(QStringLiteral("color: white;"));
        l2->move(45, 50);
        auto *small = makeScreen(t, QSize(110, 86));
        auto *col = new QVBoxLayout;
        col->addWidget(mid);
        col->addWidget(small);
        grid->addLayout(col, t, 1);
    }
    return box;
}
