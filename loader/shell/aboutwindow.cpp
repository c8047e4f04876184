#include "aboutwindow.h"

#include "glosscontrols.h"
#include "makerframe.h"
#include "shell.h"
#include "toolbaricons.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

namespace zr::shell {

AboutWindow::AboutWindow(Shell &shell, QWidget *parent) : Form(shell, kAboutWindow, parent) {
    setWindowTitle(QStringLiteral("About ZR_LOADER"));
    setFixedSize(TwipsToPx(6300), TwipsToPx(4200));
    setAutoFillBackground(true);
    AddGlossBackdrop(this);
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ToolbarIcon(2).pixmap(48, 48));
    image->setGeometry(TwipsToPx(720), TwipsToPx(690), 48, 48);

    auto *l1 = new QLabel(QStringLiteral("ZR3500 Loader"), this);
    l1->setObjectName(QStringLiteral("Label1"));
    l1->setFont(QFont(QStringLiteral("Comic Sans MS"), 16, QFont::Bold));
    l1->setGeometry(TwipsToPx(1650), TwipsToPx(630), TwipsToPx(3975), TwipsToPx(480));
    auto *l2 = new QLabel(QStringLiteral("Release Version 1.3.1"), this);
    l2->setObjectName(QStringLiteral("Label2"));
    l2->setGeometry(TwipsToPx(1650), TwipsToPx(1140), TwipsToPx(3975), TwipsToPx(300));

    CreateMakerFrame(this,
                     QRect(TwipsToPx(675), TwipsToPx(1530), TwipsToPx(3525), TwipsToPx(2070)));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    Command1->setGeometry(TwipsToPx(4425), TwipsToPx(3075), TwipsToPx(1200), TwipsToPx(450));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void AboutWindow::Form_Load() {
    shell_.forms().unload(kDownloadClip);
}

void AboutWindow::Command1_Click() {
    shell_.setLinkEnabled(IsSet(shell_.state.LinkEnabledSaved));
    shell_.showPage(kPageLink);
    shell_.forms().unload(kAboutWindow);
}

} // namespace zr::shell
