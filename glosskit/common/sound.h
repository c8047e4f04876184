#pragma once

#include "glosskit_export.h"

#include <QList>

namespace glosskit {

// Plays one of the library's clips (401 press, 402 release) in the background and returns at
// once. A new clip cuts off the one still playing. Where no audio output exists the call is
// silent and reports nothing.
GLOSSKIT_EXPORT void PlayResourceSound(int id);

// The clips requested so far on this thread, oldest first (whether or not a device played them).
GLOSSKIT_EXPORT QList<int> requestedSounds();
GLOSSKIT_EXPORT void clearRequestedSounds();

} // namespace glosskit
