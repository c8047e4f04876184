#include "panelpoll.h"

#include "driveprotocol.h"
#include "paneldisplay.h"
#include "panelkeys.h"

#include <limits>

namespace zr::front {

namespace {
void readRam(SerialPort &port, int drive, int address, QString &data, LinkResult &result) {
    result = Transact(port, drive, address, false, true, data);
}
} // namespace

void PressKey(PanelState &state, int index) {
    const int code = KeyCodeForIndex(index);
    if (code == 0)
        return;
    state.pendingKey = code;
    // A new press is not a hold, whatever was pending before it.
    state.holdTicks = 0;
}

void ReleaseKey(PanelState &state) {
    if (IsHeldKey(state.pendingKey))
        state.pendingKey = 0;
}

bool BacklightLit(const QString &backlight1, const QString &backlight2) {
    return backlight1 == QLatin1String("0") && backlight2 == QLatin1String("0");
}

PanelPoll RunPanelTick(SerialPort &port, int drive, PanelState &state, LinkResult &commResult) {
    PanelPoll poll;
    bool keyFailed = false;
    if (state.pendingKey == 0) {
        state.holdTicks = 0;
    } else {
        // Saturates: a key held for a very long time must not wrap round to "not held".
        if (state.holdTicks < std::numeric_limits<qint16>::max())
            ++state.holdTicks;
        QString value = KeyValueText(state.pendingKey, state.holdTicks);
        commResult = Transact(port, drive, word::kKeyWord, true, true, value);
        if (commResult == LinkResult::NoError)
            readRam(port, drive, word::kKeyWord, value, commResult);
        if (commResult == LinkResult::NoError) {
            readRam(port, drive, word::kKeyWord, value, commResult); // result not looked at
            if (!IsHeldKey(state.pendingKey))
                state.pendingKey = 0;
        } else {
            keyFailed = true;
        }
    }

    QString rows;
    if (!keyFailed) {
        // A failed read keeps the previous value text, so that word's characters repeat; only
        // the last transaction of the tick decides whether the tick failed.
        QString value;
        for (int a = word::kDisplayFirst; a <= word::kDisplayLast; ++a) {
            readRam(port, drive, a, value, commResult);
            AppendDisplayWord(value, rows);
        }
        readRam(port, drive, word::kBacklight1, state.backlight1, commResult);
        readRam(port, drive, word::kBacklight2, state.backlight2, commResult);
        poll.backlightRead = true;
        poll.lit = BacklightLit(state.backlight1, state.backlight2);
    }

    if (commResult == LinkResult::NoError) {
        poll.linkOk = true;
        poll.label1 = rows.left(kRowLength);
        poll.label2 = rows.right(kRowLength);
    } else {
        poll.label1 = ResultText(commResult);
        poll.label2.clear();
    }
    return poll;
}

PanelPoll RunPanelLoad(SerialPort &port, int drive, PanelState &state, LinkResult &commResult) {
    PanelPoll poll;
    state.pendingKey = 0;
    readRam(port, drive, word::kBacklight1, state.backlight1, commResult);
    if (commResult == LinkResult::NoError) {
        readRam(port, drive, word::kBacklight2, state.backlight2, commResult);
        poll.backlightRead = true;
        poll.lit = BacklightLit(state.backlight1, state.backlight2);
    }
    if (commResult != LinkResult::NoError) {
        poll.backlightRead = true;
        poll.lit = false;
        poll.label1 = ResultText(commResult);
        return poll;
    }
    poll.linkOk = true;
    return poll;
}

} // namespace zr::front
