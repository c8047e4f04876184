#pragma once

#include <QPixmap>

namespace zr::transfer {

// The pictures of the transfer page: a drive with an arrow going in (download) or coming out
// (upload), painted at the given size.
QPixmap TransferPicture(bool download, int size);

} // namespace zr::transfer
