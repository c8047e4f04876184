#include "clipwindows.h"

#include "shell.h"
#include "transferpictures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMovie>

namespace zr::transfer {

QString ClipPath(const QString &programDir) {
    return programDir + QStringLiteral("/filemove.gif");
}

ClipWindow::ClipWindow(shell::Shell &shell, const QString &name, QWidget *parent)
    : Form(shell, name, parent) {
    const bool up = name == shell::kUploadClip;
    setWindowTitle(up ? QStringLiteral("Upload Parameter") : QStringLiteral("Download"));
    setFixedSize(220, 72);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(4, 14, 44, 44);
    Picture1->setPixmap(TransferPicture(!up, 44));
    anmAVI = new QLabel(this);
    anmAVI->setObjectName(QStringLiteral("anmAVI"));
    anmAVI->setGeometry(56, 0, 160, 72);
    // Stand-alone clips: placed and created by the page switcher, never shown by anyone.
    hide();
}

void ClipWindow::Form_Load() {
    clip_ = new QMovie(ClipPath(shell_.programDir), QByteArray(), this);
    anmAVI->setMovie(clip_);
    Picture1->show();
    clip_->start();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zr::transfer
