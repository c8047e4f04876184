#include "captions.h"

namespace zr::shell {

namespace {
CaptionEntry entry(const char *ita, const char *eng, const char *fra) {
    return {QString::fromLatin1(ita), QString::fromLatin1(eng), QString::fromLatin1(fra)};
}
} // namespace

void FillCaptionTable(CaptionTable &t) {
    t.capOption = entry("Opzione", "Option", "Choix");
    t.capLanguage = entry("Lingua", "Language", "Langue");
    t.capProgram = entry("Programma", "Program", "Program");
    t.capParameter = entry("Parametri", "Parameter", "Parameter");
    t.capItalian = entry("Italiano", "Italian", "Italien");
    t.capEnglish = entry("Inglese", "English", "Anglais");
    t.capFrench = entry("Francese", "French", "Francais");
    t.capDriveStatus = entry("Stato azionamento", "Status", "Status");
    t.capOpenFile = entry("Apri file:", "Open file:", "Ouvrir fichier:");
    t.capSaveFile = entry("Salva file:", "Save file as:", "Sauvegarder:");
    t.capOperation = entry("Operazione", "Operation mode", "Operation");
    t.capCommState = entry("Stato comunicazione", "Communication Error", "Communication Serie");
    t.capDriveNumber = entry("Numero drive:", "Address drive:", "Addresse drive");
    t.capParameters = entry("Parametri ", "Parameters", "Parametres");
    t.capFile = entry("File", "File", "Fichier");
    t.capPhasing = entry("AUTOPHASING", "PHASING", "MISE EN PHASE");
    t.capCurrentOffset = entry("TARATURA OFFSET", "CURRENT OFFSET", "TARAGE OFFSET");
    t.capVariables = entry("VARIABILI<    KEST", "KEST<  VARIABLES", "VARIABLES<    KEST");
}

} // namespace zr::shell
