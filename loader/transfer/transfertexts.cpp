#include "transfertexts.h"

#include "savefile.h"

#include <QDir>

namespace zr {

QString CommErrorTitle(int language) {
    if (!IsLanguage(language))
        return {};
    return Pick(language, "Errore di comunicazione", "Communication Error",
                "Erreur de Communication");
}

QString CommErrorText(int language) {
    if (!IsLanguage(language))
        return {};
    const QChar cr(u'\r');
    return Pick(language, "ERRORE di comunicazione tra ZR3500 e personal computer.",
                "Communication error between ZR3500 and PC.",
                "Erreur de communication entre ZR3500 et ordinateur(PC).") +
           cr +
           Pick(language, "Controllare che il cavo di collegamento sia cablato correttamente",
                "Check PINouts of the connection cable.",
                "Controller le cablage de liaison soit correct.") +
           cr +
           Pick(language,
                "Ripetere la procedura; se l'errore persiste consultare la Guida in Linea (F1)",
                "Follow again the procedure,if always in error see the Help on Line.",
                "Repeter la procedure,si l'erreur persiste,consulter la Guide en Ligne.");
}

namespace {
Texts3 TextsOf(FileProblem::Kind kind) {
    switch (kind) {
    case FileProblem::CannotOpen:
        return {"Impossibile aprire il file %1 (%2).", "The file %1 cannot be opened (%2).",
                "Impossible d'ouvrir le fichier %1 (%2)."};
    case FileProblem::TooFewValues:
        return {"Il file %1 contiene solo %2 valori; ne servono 1024.",
                "The file %1 holds only %2 values; 1024 are needed.",
                "Le fichier %1 ne contient que %2 valeurs ; il en faut 1024."};
    case FileProblem::NotANumber:
        return {"Il valore %2 del file %1 non è un numero intero: \"%3\".",
                "Value %2 of the file %1 is not a whole number: \"%3\".",
                "La valeur %2 du fichier %1 n'est pas un nombre entier : \"%3\"."};
    case FileProblem::OutOfRange:
        return {"Il valore %2 del file %1 non sta in 16 bit: %3.",
                "Value %2 of the file %1 does not fit 16 bits: %3.",
                "La valeur %2 du fichier %1 ne tient pas sur 16 bits : %3."};
    case FileProblem::TooShort:
        return {"Il programma %1 termina dopo %2 byte; ne servono 28672.",
                "The program %1 ends after %2 bytes; 28672 are needed.",
                "Le programme %1 se termine après %2 octets ; il en faut 28672."};
    case FileProblem::LowerCase:
        return {"Il programma %1 contiene la lettera minuscola \"%3\" prima del byte %2: "
                "le cifre esadecimali devono essere maiuscole.",
                "The program %1 holds the lower-case letter \"%3\" before byte %2: "
                "hexadecimal digits must be upper case.",
                "Le programme %1 contient la lettre minuscule \"%3\" avant l'octet %2 : "
                "les chiffres hexadécimaux doivent être en majuscules."};
    case FileProblem::NotAFile:
        return {"%1 non è un file (è una cartella, un dispositivo o una pipe).",
                "%1 is not a file (it is a folder, a device or a pipe).",
                "%1 n'est pas un fichier (c'est un dossier, un périphérique ou un tube)."};
    case FileProblem::TooLarge:
        return {"Il file %1 è troppo grande (%2 byte): un file per l'azionamento non supera "
                "1 MB.",
                "The file %1 is too large (%2 bytes): a file for the drive is never above 1 MB.",
                "Le fichier %1 est trop grand (%2 octets) : un fichier pour le variateur ne "
                "dépasse jamais 1 Mo."};
    case FileProblem::BadPair:
        return {"Il byte %2 del programma %1 non è esadecimale: \"%3\".",
                "Byte %2 of the program %1 is not hexadecimal: \"%3\".",
                "L'octet %2 du programme %1 n'est pas hexadécimal : \"%3\"."};
    case FileProblem::CannotCreate:
        break;
    }
    return {};
}
} // namespace

QString FileProblemTitle(const FileProblem &problem, int language) {
    if (problem.kind == FileProblem::CannotCreate)
        return Pick(language, "File non scritto", "File not written", "Fichier non écrit");
    return Pick(language, "File non valido", "Invalid file", "Fichier non valide");
}

QString FileProblemText(const FileProblem &p, int language) {
    const QString file = QDir::toNativeSeparators(p.path);
    const QString where = QString::number(p.where + 1);
    const QString text = TextsOf(p.kind)[language];
    QString what;
    switch (p.kind) {
    case FileProblem::CannotCreate:
        // Nothing goes to the drive on an upload: say what happened to the file instead.
        return Pick(language, "Impossibile scrivere il file %1: %2.",
                    "The file %1 could not be written: %2.",
                    "Impossible d'écrire le fichier %1 : %2.")
                   .arg(file, WriteFailureReason(p.path, p.detail, language)) +
               QLatin1Char('\n') +
               Pick(language, "Un file già esistente con questo nome è rimasto com'era.",
                    "A file of that name that was already there is as it was.",
                    "Un fichier de ce nom qui existait déjà est resté tel quel.");
    case FileProblem::CannotOpen:
        what = text.arg(file, p.detail);
        break;
    case FileProblem::TooFewValues:
    case FileProblem::TooShort:
    case FileProblem::TooLarge:
        what = text.arg(file).arg(p.where);
        break;
    case FileProblem::NotANumber:
    case FileProblem::OutOfRange:
    case FileProblem::LowerCase:
    case FileProblem::BadPair:
        what = text.arg(file, where, p.detail);
        break;
    case FileProblem::NotAFile:
        what = text.arg(file);
        break;
    }
    return what + QLatin1Char('\n') +
           Pick(language, "Nessun dato è stato inviato all'azionamento.",
                "Nothing was sent to the drive.", "Rien n'a été envoyé au variateur.");
}

QString NotConfirmedTitle(int language) {
    return Pick(language, "Trasferimento non confermato", "Transfer not confirmed",
                "Transfert non confirmé");
}

QString NotConfirmedText(bool program, int language) {
    const QString what =
        program ? Pick(language,
                       "L'azionamento non ha confermato la fine del download del programma: "
                       "potrebbe non averlo memorizzato né avviato.",
                       "The drive did not confirm the end of the program download: it may not "
                       "have stored or started the program.",
                       "Le variateur n'a pas confirmé la fin du téléchargement du programme : il "
                       "ne l'a peut-être ni mémorisé ni démarré.")
                : Pick(language,
                       "L'azionamento non ha confermato la fine del download dei parametri: "
                       "potrebbe non averli memorizzati.",
                       "The drive did not confirm the end of the parameter download: it may not "
                       "have stored the new parameters.",
                       "Le variateur n'a pas confirmé la fin du téléchargement des paramètres : "
                       "il ne les a peut-être pas mémorisés.");
    return what + QLatin1Char('\n') +
           Pick(language, "Controllare l'azionamento e ripetere il download.",
                "Check the drive and repeat the download.",
                "Contrôler le variateur et répéter le téléchargement.");
}

} // namespace zr
