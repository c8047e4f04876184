#include "languagewindow.h"

#include "glosscontrols.h"
#include "languages.h"
#include "makerframe.h"
#include "qtlocale.h"
#include "shell.h"
#include "twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

namespace zr::shell {

QString HelpFileName(int lang) {
    return Pick(lang, "helpRel131ita.qch", "helpRel131eng.qch", "helpRel131fra.qch");
}

LanguageWindow::LanguageWindow(Shell &shell, QWidget *parent)
    : Form(shell, kLanguageWindow, parent) {
    setWindowTitle(QStringLiteral("Language ZR3500 Loader"));
    setFixedSize(TwipsToPx(7200), TwipsToPx(4500));
    AddGlossBackdrop(this);
    Frame2 = new QGroupBox(QStringLiteral("Language"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    Frame2->setGeometry(TwipsToPx(600), TwipsToPx(600), TwipsToPx(2400), TwipsToPx(3300));
    const char *design[] = {"Italiano", "English", "Francais"};
    const char *handlers[] = {SLOT(GlossSphere1_Click()), SLOT(GlossSphere2_Click()),
                              SLOT(GlossSphere3_Click())};
    const char *letters[] = {"I", "F", "E"};
    // Sphere 2 chooses French and sphere 3 English: each sits beside the label of its language.
    const int row[] = {0, 2, 1};
    QWidget *spheres[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("GlossSphere%1").arg(i + 1);
        const QRect r(TwipsToPx(210), TwipsToPx(330 + row[i] * 960), TwipsToPx(750),
                      TwipsToPx(750));
        if (QWidget *s = CreateGlossControl(QStringLiteral("GlossKit.GlossSphere"), Frame2, name)) {
            s->setGeometry(r);
            s->setProperty("ContentLetter", QString::fromLatin1(letters[i]));
            s->setProperty("ShowFocus", true);
            connect(s, SIGNAL(Click()), this, handlers[i]);
            spheres[row[i]] = s;
        } else {
            auto *b = new QPushButton(QString::fromLatin1(letters[i]), Frame2);
            b->setObjectName(name);
            b->setGeometry(r);
            connect(b, SIGNAL(clicked()), this, handlers[i]);
            spheres[row[i]] = b;
        }
        // The labels read Italian, English, French from the top.
        LINGUA[i] = new QLabel(QString::fromLatin1(design[i]), Frame2);
        LINGUA[i]->setObjectName(QStringLiteral("LINGUA_%1").arg(i));
        LINGUA[i]->setFont(QFont(QStringLiteral("Arial"), 10));
        LINGUA[i]->setGeometry(TwipsToPx(1110), TwipsToPx(540 + i * 960), TwipsToPx(1230),
                               TwipsToPx(330));
    }
    // Tab goes down the list as it reads: Italiano, English, Francais.
    setTabOrder(spheres[0], spheres[1]);
    setTabOrder(spheres[1], spheres[2]);
    spheres[0]->setFocus();
    anmAVI = new QLabel(this);
    anmAVI->setObjectName(QStringLiteral("anmAVI"));
    anmAVI->setAlignment(Qt::AlignCenter);
    anmAVI->setGeometry(TwipsToPx(3180), TwipsToPx(600), TwipsToPx(3420), TwipsToPx(1140));
    CreateMakerFrame(this,
                     QRect(TwipsToPx(3180), TwipsToPx(1830), TwipsToPx(3420), TwipsToPx(2070)));
}

void LanguageWindow::Form_Load() {
    FillCaptionTable(shell_.state.Captions);
    shell_.state.TransferDone = kFalse;
    clip_ = new QMovie(shell_.programDir + QStringLiteral("/logozr3500.gif"), QByteArray(), this);
    anmAVI->setMovie(clip_);
    clip_->start();
    update();
    QCoreApplication::processEvents();
}

void LanguageWindow::ApplyLanguage(int lang) {
    const CaptionTable &t = shell_.state.Captions;
    Frame2->setTitle(CaptionText(t.capLanguage, lang));
    LINGUA[0]->setText(CaptionText(t.capItalian, lang));
    LINGUA[1]->setText(CaptionText(t.capEnglish, lang));
    LINGUA[2]->setText(CaptionText(t.capFrench, lang));
}

void LanguageWindow::choose(Sphere sphere) {
    const int lang = sphere == kItalianSphere  ? kItalian
                     : sphere == kFrenchSphere ? kFrench
                                               : kEnglish;
    ApplyLanguage(lang);
    // Qt's own texts (dialog buttons, file dialogs, print preview) follow the choice.
    LoadQtTranslations(lang);
    shell_.state.HelpFilePath = shell_.programDir + QLatin1Char('/') + HelpFileName(lang);
    shell_.state.CurrentLanguage = qint16(lang);
    if (Form *main = shell_.forms().form(kMainWindow)) {
        main->show();
        // Its activation shows the first page; ask for it rather than wait for the window
        // manager (there may be none).
        main->activateWindow();
    }
    shell_.forms().unload(kLanguageWindow);
}

} // namespace zr::shell
