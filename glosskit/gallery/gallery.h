#pragma once

#include <QWidget>

class QTimer;

namespace glosskit {
class GlossSphere;
}

// A window that shows every control of the set in its types and states (spheres, screens,
// command buttons, bar buttons with a running shine and roll-over, check boxes), with a button for
// the About window: a way for a person to look at the control set.
class Gallery : public QWidget {
    Q_OBJECT
public:
    explicit Gallery(QWidget *parent = nullptr);

private:
    QWidget *sphereSection();
    QWidget *customSection();
    QWidget *screenSection();
    QWidget *commandSection();
    QWidget *hcommandSection();
    QWidget *checkSection();

    QTimer *m_animation = nullptr;
};
