#pragma once

// The drive link's state that the windows share for the whole run, under the names they use.
// Flags are 16-bit values with True = -1 and False = 0.

#include "driveprotocol.h"

#include <QtGlobal>

namespace zr {

constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;
inline qint16 Flag(bool on) {
    return on ? kTrue : kFalse;
}
inline bool IsSet(qint16 flag) {
    return flag != kFalse;
}

struct LinkState {
    // Result of the last transaction of the pollers and the front panel.
    LinkResult CommResult = LinkResult::Timeout;
    qint16 DriveAddress = 0;
    qint16 SavedDriveAddress = 0;
    qint16 LinkOk = kFalse;
    qint16 LinkEnabledSaved = kFalse;
    qint16 DriveRelease = 0;
    qint32 StatusFlag14 = 0;
    qint16 TransferDone = kFalse;
};

} // namespace zr
