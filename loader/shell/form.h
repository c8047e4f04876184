#pragma once

// Base of every window of the loader: a widget named after the window, with the load, activate
// and unload handlers the forms registry runs.

#include <QWidget>

namespace zr::shell {

class Shell;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(Shell &shell, const QString &name, QWidget *parent = nullptr);

    // Run by the forms registry: once after creation, and when the window is unloaded.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Run when the window is shown (pages) or becomes the active window (top-level windows).
    virtual void Form_Activate() {}

    // Copies the window's captions for language lang into its controls.
    virtual void ApplyLanguage(int lang) { Q_UNUSED(lang); }

protected:
    bool event(QEvent *e) override;

    Shell &shell_;
};

} // namespace zr::shell
