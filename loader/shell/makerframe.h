#pragma once

// The "Realized By:" frame shared by the language and About windows: Label9 to Label13 with the
// service company's name, street, town, telephone/fax and web address.

class QGroupBox;
class QWidget;
class QRect;

namespace zr::shell {

QGroupBox *CreateMakerFrame(QWidget *parent, const QRect &geometry);

} // namespace zr::shell
