#pragma once

// ZR_LOADER_LANGUAGE, the start-up window: three round buttons choose the language and the
// help file, then the main window takes over.

#include "form.h"

class QGroupBox;
class QLabel;
class QMovie;

namespace zr::shell {

class LanguageWindow final : public Form {
    Q_OBJECT
public:
    explicit LanguageWindow(Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void ApplyLanguage(int lang) override;

private slots:
    void GlossSphere1_Click() { choose(kItalianSphere); }
    void GlossSphere2_Click() { choose(kFrenchSphere); }
    void GlossSphere3_Click() { choose(kEnglishSphere); }

private:
    enum Sphere { kItalianSphere, kFrenchSphere, kEnglishSphere };
    void choose(Sphere sphere);

    QGroupBox *Frame2 = nullptr;
    QLabel *LINGUA[3] = {};
    QLabel *anmAVI = nullptr;
    QMovie *clip_ = nullptr;
};

// Help file of a language beside the program.
QString HelpFileName(int lang);

} // namespace zr::shell
