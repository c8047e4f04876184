#include "transfertexts.h"

#include "savefile.h"

#include <QDir>
#include <QFileInfo>

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

QString VerifyTitle(int language) {
    return Pick(language, "Verifica dopo il download", "Verify after download",
                "Vérification après le téléchargement");
}

QString VerifyNoAnswerText(int address, int language) {
    const QString where = QStringLiteral("ROM 0x") + QString::number(address, 16).toUpper();
    return Pick(language,
                "La rilettura dei parametri non è riuscita: l'azionamento non risponde (%1). "
                "Non si sa se ha memorizzato il file.",
                "The parameters could not be read back: the drive does not answer (%1). "
                "Whether it stored the file is not known.",
                "La relecture des paramètres a échoué : le variateur ne répond pas (%1). "
                "On ne sait pas s'il a mémorisé le fichier.")
        .arg(where);
}

QString VerifyDifferText(const QList<int> &lines, const std::vector<int> &driveWords,
                         const std::vector<int> &fileWords, int language) {
    constexpr int kNamed = 5;
    QStringList first;
    for (qsizetype i = 0; i < lines.size() && i < kNamed; ++i) {
        const auto k = static_cast<size_t>(lines[i]);
        first << Pick(language, "riga %1 (azionamento %2, file %3)", "line %1 (drive %2, file %3)",
                      "ligne %1 (variateur %2, fichier %3)")
                     .arg(lines[i] + 1)
                     .arg(driveWords.at(k))
                     .arg(fileWords.at(k));
    }
    return Pick(language,
                "L'azionamento contiene valori diversi dal file in %1 righe: %2.\n"
                "L'azionamento potrebbe contenere un insieme misto di parametri: ripetere il "
                "download.",
                "The drive holds other values than the file on %1 lines: %2.\n"
                "The drive may hold a mixed parameter set: repeat the download.",
                "Le variateur contient des valeurs différentes du fichier sur %1 lignes : %2.\n"
                "Le variateur contient peut-être un jeu de paramètres mélangé : répéter le "
                "téléchargement.")
        .arg(lines.size())
        .arg(first.join(QStringLiteral(", ")));
}

QString VerifiedText(int language) {
    return Pick(language, "Verificato: l'azionamento contiene i 1024 valori del file.",
                "Verified: the drive holds the file's 1024 values.",
                "Vérifié : le variateur contient les 1024 valeurs du fichier.");
}

QString VerifyNoteText(int lines, int firstLine, int language) {
    if (lines == 0)
        return Pick(language, "Verifica: l'azionamento non risponde alla rilettura.",
                    "Verify: the drive does not answer the read-back.",
                    "Vérification : le variateur ne répond pas à la relecture.");
    return Pick(language, "Verifica: %1 righe diverse, la prima è la riga %2.",
                "Verify: %1 lines differ, the first is line %2.",
                "Vérification : %1 lignes différentes, la première est la ligne %2.")
        .arg(lines)
        .arg(firstLine + 1);
}

QString DriveSetUnreadText(int address, int language) {
    return Pick(language,
                "I parametri dell'azionamento non si possono leggere: l'azionamento non risponde "
                "(ROM 0x%1).",
                "The drive's parameters cannot be read: the drive does not answer (ROM 0x%1).",
                "Les paramètres du variateur ne peuvent pas être lus : le variateur ne répond "
                "pas (ROM 0x%1).")
        .arg(QString::number(address, 16).toUpper());
}

QString BackupDoneText(const QString &path, int language) {
    return Pick(language, "Copia dei parametri dell'azionamento: %1",
                "Backup of the drive's parameters: %1",
                "Sauvegarde des paramètres du variateur : %1")
        .arg(QDir::toNativeSeparators(path));
}

QString BackupNoteText(const QString &path, int language) {
    return Pick(language, "Copia dei parametri: %1", "Parameters backed up: %1",
                "Paramètres sauvegardés : %1")
        .arg(QFileInfo(path).fileName());
}

QString BackupFailedTitle(int language) {
    return Pick(language, "Copia non riuscita", "Backup failed", "Sauvegarde échouée");
}

QString BackupFailedText(const BackupResult &r, int language) {
    const QString why =
        r.failedAddress >= 0
            ? Pick(language, "l'azionamento non risponde (ROM 0x%1)",
                   "the drive does not answer (ROM 0x%1)", "le variateur ne répond pas (ROM 0x%1)")
                  .arg(QString::number(r.failedAddress, 16).toUpper())
            : WriteFailureReason(r.path, r.writeError, language);
    return Pick(language,
                "I parametri dell'azionamento non sono stati salvati prima del download: %1.",
                "The drive's parameters could not be backed up before the download: %1.",
                "Les paramètres du variateur n'ont pas pu être sauvegardés avant le "
                "téléchargement : %1.")
        .arg(why);
}

QString ReadStepLabel(ReadStep step, int language) {
    switch (step) {
    case ReadStep::Backup:
        return Pick(language, "Copia.......", "Backup.......", "Sauvegarde.......");
    case ReadStep::Verify:
        return Pick(language, "Verifica.......", "Verify.......", "Vérification.......");
    case ReadStep::Compare:
        break;
    }
    return Pick(language, "Confronto.......", "Compare.......", "Comparaison.......");
}

QString BackupGoOnQuestion(int language) {
    return Pick(language, "Inviare comunque il file all'azionamento?",
                "Send the file to the drive all the same?",
                "Envoyer quand même le fichier au variateur ?");
}

QString VerifyAfterDownloadCaption(int language) {
    return Pick(language, "Verifica dopo l'invio", "Verify after download", "Relire et vérifier");
}

QString HistoryButtonCaption(int language) {
    return Pick(language, "Cronologia...", "History...", "Historique...");
}

QString HistoryTitle(int language) {
    return Pick(language, "Cronologia dei trasferimenti", "Transfer history",
                "Historique des transferts");
}

QStringList HistoryColumns(int language) {
    return Pick(language, "Ora|Operazione|Esito|Porta|Azionamento|Release|Secondi|File|SHA-256",
                "Time|Operation|Outcome|Port|Drive|Release|Seconds|File|SHA-256",
                "Heure|Opération|Résultat|Port|Variateur|Version|Secondes|Fichier|SHA-256")
        .split(QLatin1Char('|'));
}

QString RestoreButtonCaption(int language) {
    return Pick(language, "Ripristina...", "Restore...", "Restaurer...");
}

QString RestoreTitle(int language) {
    return Pick(language, "Ripristina una copia", "Restore a backup", "Restaurer une sauvegarde");
}

QString RestoreQuestion(int language) {
    return Pick(language, "Copia da inviare all'azionamento (la più recente per prima):",
                "Backup to send to the drive (newest first):",
                "Sauvegarde à envoyer au variateur (la plus récente d'abord) :");
}

QString NoBackupsText(const QString &folder, int language) {
    return Pick(language, "Nessuna copia in %1.", "There is no backup in %1.",
                "Aucune sauvegarde dans %1.")
        .arg(folder);
}

QString CompareFirstCaption(int language) {
    return Pick(language, "Confronta prima", "Compare first", "Comparer avant");
}

QString HistoryWord(const QString &word, int language) {
    static const QList<std::pair<const char *, Texts3>> words{
        {"upload", {"upload", "upload", "upload"}},
        {"download", {"download", "download", "téléchargement"}},
        {"program", {"programma", "program", "programme"}},
        {"verify", {"verifica", "verify", "vérification"}},
        {"backup", {"copia", "backup", "sauvegarde"}},
        {"done", {"fatto", "done", "fait"}},
        {"differ", {"diverso", "differs", "différent"}},
        {"no answer", {"nessuna risposta", "no answer", "pas de réponse"}},
        {"failed", {"fallito", "failed", "échoué"}},
        {"refused", {"rifiutato", "refused", "refusé"}},
        {"not confirmed", {"non confermato", "not confirmed", "non confirmé"}},
        {"communication error",
         {"errore di comunicazione", "communication error", "erreur de communication"}},
    };
    for (const auto &[key, texts] : words)
        if (word == QLatin1String(key))
            return texts[language];
    return word;
}

} // namespace zr
