#include "aboutbox.h"
#include "resources.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace glosskit {

namespace {

thread_local QPointer<AboutBox> t_window;

QFrame *line() {
    auto *f = new QFrame;
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About GlossKit"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *logo = new QLabel;
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPixmap(QPixmap(logoPath()));
    logo->setAlignment(Qt::AlignCenter);

    auto *product = new QLabel(QStringLiteral("<b>GlossKit 3.5</b><br>Control Set 1"));
    product->setObjectName(QStringLiteral("Product"));
    product->setAlignment(Qt::AlignCenter);

    auto *version = new QLabel(QStringLiteral("Version 3.5"));
    version->setObjectName(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignCenter);

    auto *terms = new QLabel(QStringLiteral(
        "GlossSphere, GlossScreen, GlossCommand, GlossHCommand and GlossCheck.\n"
        "This control set may be distributed freely with the programs that use it."));
    terms->setObjectName(QStringLiteral("Terms"));
    terms->setWordWrap(true);
    terms->setAlignment(Qt::AlignCenter);

    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(logo);
    layout->addWidget(line());
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(line());
    layout->addWidget(terms);
    layout->addWidget(line());
    layout->addLayout(buttons);
    setFixedWidth(360);
}

AboutBox *AboutBox::current() {
    return t_window;
}

void AboutBox::showModal() {
    if (!t_window)
        t_window = new AboutBox(nullptr);
    QPointer<AboutBox> window = t_window;
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
    // "OK" unloads the window (it deletes itself on close).
}

} // namespace glosskit
