#include "transfertexts.h"

#include <QDir>

namespace zr {

namespace {
bool known(int language) {
    return language >= kItalian && language <= kFrench;
}

QString pick(int language, const char *it, const char *en, const char *fr) {
    switch (language) {
    case kItalian:
        return QString::fromUtf8(it);
    case kFrench:
        return QString::fromUtf8(fr);
    default:
        return QString::fromUtf8(en);
    }
}
} // namespace

QString CommErrorTitle(int language) {
    if (!known(language))
        return {};
    return pick(language, "Errore di comunicazione", "Communication Error",
                "Erreur de Communication");
}

QString CommErrorText(int language) {
    if (!known(language))
        return {};
    const QChar cr(u'\r');
    switch (language) {
    case kItalian:
        return QStringLiteral("ERRORE di comunicazione tra ZR3500 e personal computer.") + cr +
               QStringLiteral("Controllare che il cavo di collegamento sia cablato correttamente") +
               cr +
               QStringLiteral(
                   "Ripetere la procedura; se l'errore persiste consultare la Guida in Linea (F1)");
    case kEnglish:
        return QStringLiteral("Communication error between ZR3500 and PC.") + cr +
               QStringLiteral("Check PINouts of the connection cable.") + cr +
               QStringLiteral(
                   "Follow again the procedure,if always in error see the Help on Line.");
    default:
        return QStringLiteral("Erreur de communication entre ZR3500 et ordinateur(PC).") + cr +
               QStringLiteral("Controller le cablage de liaison soit correct.") + cr +
               QStringLiteral(
                   "Repeter la procedure,si l'erreur persiste,consulter la Guide en Ligne.");
    }
}

QString FileProblemTitle(int language) {
    return pick(language, "File non valido", "Invalid file", "Fichier non valide");
}

QString FileProblemText(const FileProblem &p, int language) {
    const QString file = QDir::toNativeSeparators(p.path);
    const QString where = QString::number(p.where + 1);
    QString what;
    switch (p.kind) {
    case FileProblem::CannotOpen:
        what = pick(language, "Impossibile aprire il file %1 (%2).",
                    "The file %1 cannot be opened (%2).", "Impossible d'ouvrir le fichier %1 (%2).")
                   .arg(file, p.detail);
        break;
    case FileProblem::CannotCreate:
        what =
            pick(language, "Impossibile creare il file %1 (%2).",
                 "The file %1 cannot be created (%2).", "Impossible de créer le fichier %1 (%2).")
                .arg(file, p.detail);
        break;
    case FileProblem::TooFewValues:
        what = pick(language, "Il file %1 contiene solo %2 valori; ne servono 1024.",
                    "The file %1 holds only %2 values; 1024 are needed.",
                    "Le fichier %1 ne contient que %2 valeurs ; il en faut 1024.")
                   .arg(file)
                   .arg(p.where);
        break;
    case FileProblem::NotANumber:
        what = pick(language, "Il valore %2 del file %1 non è un numero intero: \"%3\".",
                    "Value %2 of the file %1 is not a whole number: \"%3\".",
                    "La valeur %2 du fichier %1 n'est pas un nombre entier : \"%3\".")
                   .arg(file, where, p.detail);
        break;
    case FileProblem::OutOfRange:
        what = pick(language, "Il valore %2 del file %1 non sta in 16 bit: %3.",
                    "Value %2 of the file %1 does not fit 16 bits: %3.",
                    "La valeur %2 du fichier %1 ne tient pas sur 16 bits : %3.")
                   .arg(file, where, p.detail);
        break;
    case FileProblem::TooShort:
        what = pick(language, "Il programma %1 termina dopo %2 byte; ne servono 28672.",
                    "The program %1 ends after %2 bytes; 28672 are needed.",
                    "Le programme %1 se termine après %2 octets ; il en faut 28672.")
                   .arg(file)
                   .arg(p.where);
        break;
    case FileProblem::BadPair:
        what = pick(language, "Il byte %2 del programma %1 non è esadecimale: \"%3\".",
                    "Byte %2 of the program %1 is not hexadecimal: \"%3\".",
                    "L'octet %2 du programme %1 n'est pas hexadécimal : \"%3\".")
                   .arg(file, where, p.detail);
        break;
    }
    return what + QLatin1Char('\n') +
           pick(language, "Nessun dato è stato inviato all'azionamento.",
                "Nothing was sent to the drive.", "Rien n'a été envoyé au variateur.");
}

} // namespace zr
