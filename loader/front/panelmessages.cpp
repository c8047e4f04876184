#include "panelmessages.h"

namespace zr::front {

QString NotAvailableText(int language) {
    switch (language) {
    case 0:
        return QStringLiteral("Funzione non disponibile.");
    case 1:
        return QStringLiteral("Not avaible.");
    case 2:
        return QStringLiteral("Fonction non disponible.");
    default:
        return {};
    }
}

ReleaseNotice ReleaseNoticeFor(int language) {
    switch (language) {
    case 0:
        return {
            QStringLiteral("ZR3500 Loader"),
            QStringLiteral("La funzione oscilloscopio è presente dalla versione 1.700 in poi.")};
    case 1:
        return {QStringLiteral("ZR350 Loader"),
                QStringLiteral("The oscilloscope function is present from the 1.700 version.")};
    case 2:
        return {
            QStringLiteral("ZR3500 Loader"),
            QStringLiteral("La fonction oscilloscope est presente a partir de la version 1.700.")};
    default:
        return {};
    }
}

QString PausedText(int language) {
    switch (language) {
    case 0:
        return QStringLiteral("In pausa: la linea è dell'oscilloscopio");
    case 2:
        return QStringLiteral("En pause : la ligne est à l'oscilloscope");
    default:
        return QStringLiteral("Paused: the scope has the line");
    }
}

} // namespace zr::front
