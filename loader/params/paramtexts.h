#pragma once

// The editor's own texts in the three languages (0 Italian, 1 English, 2 French).

#include "paramfile.h"

#include <QString>

namespace zr::params {

// The save question: caption and the three lines joined by a single CR. False for a language
// outside 0..2 (nothing is asked).
bool SaveQuestion(int lang, QString &caption, QString &text);

// Why an open or a save did not happen, for a message box; the caption is ProblemCaption.
QString ProblemText(const ParamProblem &problem, int lang);
QString ProblemCaption(int lang);

// The words of a comparison table.
enum class CompareWords {
    Equal,
    Line,
    Parameter,
    Unit,
    Hidden,
    File,
    Drive,
    Title,     // the comparison's window
    WithWhat,  // the question: another file or the drive?
    OtherFile, // the two answers
    TheDrive,
    SendAnyway, // asked under the table before a download
    Intro       // "%1 against %2:"
};
QString CompareText(CompareWords word, int lang);

// The "New" command: its dialogs' title and the release question.
enum class NewFileWords { Title, Release };
QString NewFileText(NewFileWords word, int lang);

} // namespace zr::params
