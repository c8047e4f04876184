#pragma once

#include "languages.h"
#include "transferfiles.h"

#include <QString>

namespace zr {

// The communication error box: title and three lines joined by CR. Empty for another language.
QString CommErrorTitle(int language);
QString CommErrorText(int language);

// Title and text telling the user why a file was refused (nothing was sent to the drive) or could
// not be written.
QString FileProblemTitle(const FileProblem &problem, int language);
QString FileProblemText(const FileProblem &problem, int language);

// Title and text when the drive did not answer the completion word of a download.
QString NotConfirmedTitle(int language);
QString NotConfirmedText(bool program, int language);

} // namespace zr
