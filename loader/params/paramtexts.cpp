#include "paramtexts.h"

#include "languages.h"
#include "savefile.h"

#include <QDir>

namespace zr::params {

bool SaveQuestion(int lang, QString &caption, QString &text) {
    if (!IsLanguage(lang))
        return false;
    caption = Pick(lang, "Save File Parameter", "Save File Parameters", "Sauvegarderle le Fichier");
    text = Pick(lang, "File dei parametri ancora da salvare.", "Parameters file still to be saved.",
                "Fichier des parametres a sauvegarder.") +
           QLatin1Char('\r') +
           Pick(lang, "Nel caso non si salvi il file i dati andranno persi completamente.",
                "Data will be lost if the file will not be saved.",
                "Dans le cas ou le fichier ne sera sauvegarder,les données se perdront "
                "completement.") +
           QLatin1Char('\r') +
           Pick(lang, "Salvare il file?", "Save file?", "Sauvegarder le fichier?");
    return true;
}

QString ProblemCaption(int lang) {
    return Pick(lang, "File dei parametri", "Parameter File", "Fichier des paramètres");
}

namespace {
Texts3 TextsOf(ParamProblem::Kind kind) {
    switch (kind) {
    case ParamProblem::DescriptionUnreadable:
        return {"Manca il file di descrizione di questa release e lingua, o non si può "
                "leggere:\n%1",
                "The description file for this release and language is missing or cannot "
                "be read:\n%1",
                "Le fichier de description de cette version et de cette langue manque ou "
                "ne peut pas être lu :\n%1"};
    case ParamProblem::DescriptionEmpty:
        return {"Il file di descrizione è vuoto:\n%1", "The description file is empty:\n%1",
                "Le fichier de description est vide :\n%1"};
    case ParamProblem::DescriptionTooLong:
        return {"Il file di descrizione ha %2 righe di dati, al massimo 256:\n%1",
                "The description file has %2 data lines, at most 256 are allowed:\n%1",
                "Le fichier de description a %2 lignes de données, 256 au plus :\n%1"};
    case ParamProblem::StatusTooShort:
        return {"La descrizione degli stati non descrive tutti i 16 bit:\n%1",
                "The status description does not describe all 16 bits:\n%1",
                "La description de l'état ne décrit pas les 16 bits :\n%1"};
    case ParamProblem::DescriptionChanged:
        return {"Il file di descrizione è cambiato dopo l'apertura del file:\n%1",
                "The description file changed after the file was opened:\n%1",
                "Le fichier de description a changé après l'ouverture du fichier :\n%1"};
    case ParamProblem::SourceUnreadable:
        return {"Il file dei parametri non si può leggere:\n%1\n%2",
                "The parameter file cannot be read:\n%1\n%2",
                "Le fichier des paramètres ne peut pas être lu :\n%1\n%2"};
    case ParamProblem::SourceTooShort:
        return {"Il file dei parametri ha solo %2 righe, ne servono almeno %3:\n%1",
                "The parameter file has only %2 lines, at least %3 are needed:\n%1",
                "Le fichier des paramètres n'a que %2 lignes, il en faut au moins %3 :\n%1"};
    case ParamProblem::NotANumber:
        return {"Il valore \"%1\" della riga %2 non è un numero. Il file non è stato "
                "salvato.",
                "The value \"%1\" on line %2 is not a number. The file was not saved.",
                "La valeur \"%1\" de la ligne %2 n'est pas un nombre. Le fichier n'a pas "
                "été sauvegardé."};
    case ParamProblem::CannotWrite:
        return {"Il file non si può scrivere: %2.\nIl file precedente è rimasto com'era:\n%1",
                "The file cannot be written: %2.\nThe previous file was left as it "
                "was:\n%1",
                "Le fichier ne peut pas être écrit : %2.\nLe fichier précédent est resté "
                "tel quel :\n%1"};
    case ParamProblem::NotAFile:
        return {"Non è un file (è una cartella, un dispositivo o una pipe):\n%1",
                "This is not a file (it is a folder, a device or a pipe):\n%1",
                "Ce n'est pas un fichier (c'est un dossier, un périphérique ou un tube) "
                ":\n%1"};
    case ParamProblem::TooLarge:
        return {"Il file è troppo grande: un file di parametri o di descrizione non supera "
                "1 MB:\n%1",
                "The file is too large: a parameter or description file is never above "
                "1 MB:\n%1",
                "Le fichier est trop grand : un fichier de paramètres ou de description ne "
                "dépasse jamais 1 Mo :\n%1"};
    }
    return {};
}
} // namespace

QString ProblemText(const ParamProblem &p, int lang) {
    const QString path = QDir::toNativeSeparators(p.path);
    const QString text = TextsOf(p.kind)[lang];
    switch (p.kind) {
    case ParamProblem::DescriptionTooLong:
        return text.arg(path).arg(p.line);
    case ParamProblem::SourceUnreadable:
        return text.arg(path, p.detail);
    case ParamProblem::SourceTooShort:
        return text.arg(path).arg(p.line).arg(p.detail);
    case ParamProblem::NotANumber:
        return text.arg(p.detail).arg(p.line + 1);
    case ParamProblem::CannotWrite:
        return text.arg(path, WriteFailureReason(p.path, p.detail, lang));
    default:
        return text.arg(path);
    }
}

QString CompareText(CompareWords word, int lang) {
    switch (word) {
    case CompareWords::Equal:
        return Pick(lang, "I due insiemi di parametri sono uguali.",
                    "The two parameter sets are equal.",
                    "Les deux jeux de paramètres sont identiques.");
    case CompareWords::Line:
        return Pick(lang, "Riga", "Line", "Ligne");
    case CompareWords::Parameter:
        return Pick(lang, "Parametro", "Parameter", "Paramètre");
    case CompareWords::Unit:
        return Pick(lang, "Unità", "Unit", "Unité");
    case CompareWords::Hidden:
        return Pick(lang, "(riga nascosta)", "(hidden line)", "(ligne cachée)");
    case CompareWords::File:
        return Pick(lang, "File", "File", "Fichier");
    case CompareWords::Drive:
        return Pick(lang, "Azionamento", "Drive", "Variateur");
    case CompareWords::Title:
        return Pick(lang, "Confronto dei parametri", "Parameter comparison",
                    "Comparaison des paramètres");
    case CompareWords::WithWhat:
        return Pick(lang, "Confrontare il file con:", "Compare the file with:",
                    "Comparer le fichier avec :");
    case CompareWords::OtherFile:
        return Pick(lang, "un altro file dei parametri", "another parameter file",
                    "un autre fichier des paramètres");
    case CompareWords::TheDrive:
        return Pick(lang, "i parametri dell'azionamento", "the drive's parameters",
                    "les paramètres du variateur");
    case CompareWords::SendAnyway:
        return Pick(lang, "Inviare il file all'azionamento?", "Send the file to the drive?",
                    "Envoyer le fichier au variateur ?");
    case CompareWords::Intro:
        return Pick(lang, "%1 confrontato con %2:", "%1 compared with %2:", "%1 comparé à %2 :");
    }
    return {};
}

QString NewFileText(NewFileWords word, int lang) {
    if (word == NewFileWords::Title)
        return Pick(lang, "Nuovo file dei parametri", "New Parameter File",
                    "Nouveau fichier des paramètres");
    return Pick(lang, "Release dell'azionamento per il nuovo file (valori predefiniti):",
                "Drive release of the new file (filled with its defaults):",
                "Version du variateur pour le nouveau fichier (valeurs par défaut) :");
}

} // namespace zr::params
