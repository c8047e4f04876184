#include "scopetexts.h"

#include "languages.h"

namespace zr::scope {

namespace {
Texts3 TextsOf(ScopeText t) {
    switch (t) {
    case ScopeText::NoSamples:
        return {"L'azionamento non ha inviato campioni: l'oscilloscopio è stato chiuso.",
                "The drive sent no samples: the scope has been closed.",
                "Le variateur n'a envoyé aucun échantillon : l'oscilloscope a été fermé."};
    case ScopeText::PortFailed:
        return {"L'oscilloscopio non può aprire la porta seriale (%1): la linea torna al "
                "pannello.",
                "The scope cannot open the serial port (%1): the line goes back to the panel.",
                "L'oscilloscope ne peut pas ouvrir le port série (%1) : la ligne revient au "
                "panneau."};
    case ScopeText::ExportFailed:
        return {"Impossibile scrivere %1: %2", "Cannot write %1: %2",
                "Impossible d'écrire %1 : %2"};
    case ScopeText::Rolling:
        return {"Scorrimento", "Rolling", "Défilement"};
    case ScopeText::FreeRunning:
        return {"Acquisizione libera", "Free run", "Acquisition libre"};
    case ScopeText::WaitingForTrigger:
        return {"In attesa del trigger", "Waiting for trigger", "Attente du déclenchement"};
    case ScopeText::Triggered:
        return {"Triggerato", "Triggered", "Déclenché"};
    case ScopeText::Holding:
        return {"In pausa", "Hold", "En pause"};
    }
    return {};
}
} // namespace

QString ScopeTextFor(ScopeText text, int lang) {
    return TextsOf(text)[lang];
}

} // namespace zr::scope
