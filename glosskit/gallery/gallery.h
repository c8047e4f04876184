#pragma once

#include <QWidget>

class QTimer;

namespace glosskit {
class GlossSphere;
}

// A window that shows every sphere type and state and every screen type at a few sizes, with a
// button for the About window: a way for a person to look at the control set.
class Gallery : public QWidget {
    Q_OBJECT
public:
    explicit Gallery(QWidget *parent = nullptr);

private:
    QWidget *sphereSection();
    QWidget *customSection();
    QWidget *screenSection();

    QTimer *m_animation = nullptr;
};
