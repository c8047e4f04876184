// Artwork drawn in code (icons, key signs, the pictures of the transfer page) starts the same
// way: a transparent pixmap and an antialiased painter on it.
#pragma once

#include <QPainter>
#include <QPixmap>

namespace zr::shell {

class PixmapCanvas {
public:
    explicit PixmapCanvas(int width, int height) : pixmap_(width, height) {
        pixmap_.fill(Qt::transparent);
        painter_.begin(&pixmap_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }
    explicit PixmapCanvas(int size) : PixmapCanvas(size, size) {}
    PixmapCanvas(const PixmapCanvas &) = delete;
    PixmapCanvas &operator=(const PixmapCanvas &) = delete;

    QPainter &painter() { return painter_; }
    // Ends the painting and gives the picture.
    QPixmap take() {
        painter_.end();
        return pixmap_;
    }

private:
    QPixmap pixmap_; // declared first: the painter ends before the pixmap goes
    QPainter painter_;
};

} // namespace zr::shell
