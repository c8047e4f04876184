#include "panelmessages.h"

#include "languages.h"

namespace zr::front {

QString NotAvailableText(int language) {
    if (!IsLanguage(language))
        return {};
    return Pick(language, "Funzione non disponibile.", "Not avaible.", "Fonction non disponible.");
}

ReleaseNotice ReleaseNoticeFor(int language) {
    if (!IsLanguage(language))
        return {};
    return {Pick(language, "ZR3500 Loader", "ZR350 Loader", "ZR3500 Loader"),
            Pick(language, "La funzione oscilloscopio è presente dalla versione 1.700 in poi.",
                 "The oscilloscope function is present from the 1.700 version.",
                 "La fonction oscilloscope est presente a partir de la version 1.700.")};
}

QString PausedText(int language) {
    return Pick(language, "In pausa: la linea è dell'oscilloscopio",
                "Paused: the scope has the line", "En pause : la ligne est à l'oscilloscope");
}

} // namespace zr::front
