#include "makerframe.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zr::shell {

QGroupBox *CreateMakerFrame(QWidget *parent, const QRect &geometry) {
    auto *frame = new QGroupBox(QStringLiteral("Realized By:"), parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    frame->setGeometry(geometry);
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(1);
    const char *texts[] = {"Vellano Service S.r.l.", "Via delle Officine 12",
                           "20090 Segrate (MI) - Italy", "Tel. 02 5550 1200  Fax 02 5550 1299",
                           "www.vellano-service.example"};
    int n = 9;
    for (const char *t : texts) {
        auto *l = new QLabel(QString::fromLatin1(t), frame);
        l->setObjectName(QStringLiteral("Label%1").arg(n++));
        l->setFont(QFont(QStringLiteral("Arial"), 8));
        layout->addWidget(l);
    }
    return frame;
}

} // namespace zr::shell
