#pragma once

#include "glosskit_export.h"

#include <QDialog>

namespace glosskit {

// The library's About window: logo, product name and version, distribution terms and an "OK"
// button that unloads the window.
class GLOSSKIT_EXPORT AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    // Creates the window if this thread has none, shows it modally without an owner and returns
    // when it is closed.
    static void showModal();
    // The window of this thread, if one is loaded.
    static AboutBox *current();
};

} // namespace glosskit
