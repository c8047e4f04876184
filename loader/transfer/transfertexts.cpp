#include "transfertexts.h"

#include "savefile.h"

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

QString FileProblemTitle(const FileProblem &problem, int language) {
    if (problem.kind == FileProblem::CannotCreate)
        return pick(language, "File non scritto", "File not written", "Fichier non écrit");
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
        // Nothing goes to the drive on an upload: say what happened to the file instead.
        return pick(language, "Impossibile scrivere il file %1: %2.",
                    "The file %1 could not be written: %2.",
                    "Impossible d'écrire le fichier %1 : %2.")
                   .arg(file, WriteFailureReason(p.path, p.detail, language)) +
               QLatin1Char('\n') +
               pick(language, "Un file già esistente con questo nome è rimasto com'era.",
                    "A file of that name that was already there is as it was.",
                    "Un fichier de ce nom qui existait déjà est resté tel quel.");
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
    case FileProblem::LowerCase:
        what = pick(language,
                    "Il programma %1 contiene la lettera minuscola \"%3\" prima del byte %2: "
                    "le cifre esadecimali devono essere maiuscole.",
                    "The program %1 holds the lower-case letter \"%3\" before byte %2: "
                    "hexadecimal digits must be upper case.",
                    "Le programme %1 contient la lettre minuscule \"%3\" avant l'octet %2 : "
                    "les chiffres hexadécimaux doivent être en majuscules.")
                   .arg(file, where, p.detail);
        break;
    case FileProblem::NotAFile:
        what = pick(language, "%1 non è un file (è una cartella, un dispositivo o una pipe).",
                    "%1 is not a file (it is a folder, a device or a pipe).",
                    "%1 n'est pas un fichier (c'est un dossier, un périphérique ou un tube).")
                   .arg(file);
        break;
    case FileProblem::TooLarge:
        what =
            pick(language,
                 "Il file %1 è troppo grande (%2 byte): un file per l'azionamento non supera "
                 "1 MB.",
                 "The file %1 is too large (%2 bytes): a file for the drive is never above 1 MB.",
                 "Le fichier %1 est trop grand (%2 octets) : un fichier pour le variateur ne "
                 "dépasse jamais 1 Mo.")
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

QString NotConfirmedTitle(int language) {
    return pick(language, "Trasferimento non confermato", "Transfer not confirmed",
                "Transfert non confirmé");
}

QString NotConfirmedText(bool program, int language) {
    const QString what =
        program ? pick(language,
                       "L'azionamento non ha confermato la fine del download del programma: "
                       "potrebbe non averlo memorizzato né avviato.",
                       "The drive did not confirm the end of the program download: it may not "
                       "have stored or started the program.",
                       "Le variateur n'a pas confirmé la fin du téléchargement du programme : il "
                       "ne l'a peut-être ni mémorisé ni démarré.")
                : pick(language,
                       "L'azionamento non ha confermato la fine del download dei parametri: "
                       "potrebbe non averli memorizzati.",
                       "The drive did not confirm the end of the parameter download: it may not "
                       "have stored the new parameters.",
                       "Le variateur n'a pas confirmé la fin du téléchargement des paramètres : "
                       "il ne les a peut-être pas mémorisés.");
    return what + QLatin1Char('\n') +
           pick(language, "Controllare l'azionamento e ripetere il download.",
                "Check the drive and repeat the download.",
                "Contrôler le variateur et répéter le téléchargement.");
}

} // namespace zr
