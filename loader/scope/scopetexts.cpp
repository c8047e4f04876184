#include "scopetexts.h"

#include <array>

namespace zr::scope {

namespace {
using Texts = std::array<const char16_t *, 3>;

Texts TextsOf(ScopeText t) {
    switch (t) {
    case ScopeText::NoSamples:
        return {u"L'azionamento non ha inviato campioni: l'oscilloscopio è stato chiuso.",
                u"The drive sent no samples: the scope has been closed.",
                u"Le variateur n'a envoyé aucun échantillon : l'oscilloscope a été fermé."};
    case ScopeText::PortFailed:
        return {u"L'oscilloscopio non può aprire la porta seriale (%1): la linea torna al "
                u"pannello.",
                u"The scope cannot open the serial port (%1): the line goes back to the panel.",
                u"L'oscilloscope ne peut pas ouvrir le port série (%1) : la ligne revient au "
                u"panneau."};
    case ScopeText::ExportFailed:
        return {u"Impossibile scrivere %1: %2", u"Cannot write %1: %2",
                u"Impossible d'écrire %1 : %2"};
    case ScopeText::Rolling:
        return {u"Scorrimento", u"Rolling", u"Défilement"};
    case ScopeText::FreeRunning:
        return {u"Acquisizione libera", u"Free run", u"Acquisition libre"};
    case ScopeText::WaitingForTrigger:
        return {u"In attesa del trigger", u"Waiting for trigger", u"Attente du déclenchement"};
    case ScopeText::Triggered:
        return {u"Triggerato", u"Triggered", u"Déclenché"};
    case ScopeText::Holding:
        return {u"In pausa", u"Hold", u"En pause"};
    }
    return {u"", u"", u""};
}
} // namespace

QString ScopeTextFor(ScopeText text, int lang) {
    const Texts t = TextsOf(text);
    return QString::fromUtf16(t[static_cast<size_t>(lang >= 0 && lang <= 2 ? lang : 1)]);
}

} // namespace zr::scope
