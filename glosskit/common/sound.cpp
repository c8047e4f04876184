#include "sound.h"
#include "resources.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

namespace glosskit {

namespace {

// The clips of one thread. The effects keep their sample data for as long as they live, so a
// clip that is cut off never plays from released memory.
struct SoundState {
    QList<int> requested;
    std::map<int, QPointer<QSoundEffect>> effects;
    int availability = -1; // -1 unknown, 0 no output device, 1 available
};

SoundState &state() {
    thread_local SoundState s;
    return s;
}

bool audioAvailable(SoundState &s) {
    if (s.availability < 0)
        s.availability = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    return s.availability == 1;
}

QSoundEffect *effectFor(SoundState &s, int id) {
    QPointer<QSoundEffect> &slot = s.effects[id];
    if (!slot) {
        // Owned by the application object, so the effect ends with the program's event loop.
        slot = new QSoundEffect(QCoreApplication::instance());
        slot->setSource(QUrl(QStringLiteral("qrc") + resourceSoundPath(id)));
    }
    return slot;
}

} // namespace

void PlayResourceSound(int id) {
    SoundState &s = state();
    s.requested.append(id);
    if (!QCoreApplication::instance() || !audioAvailable(s))
        return;
    for (auto &[otherId, effect] : s.effects) {
        if (effect && otherId != id && effect->isPlaying())
            effect->stop();
    }
    QSoundEffect *effect = effectFor(s, id);
    if (effect->isPlaying())
        effect->stop();
    effect->play();
}

QList<int> requestedSounds() {
    return state().requested;
}

void clearRequestedSounds() {
    state().requested.clear();
}

} // namespace glosskit
