#pragma once

// ZR_LOADER_131 --check-data: is everything the program reads from its data folder there?

#include <QString>
#include <QTextStream>

namespace zr::shell {

// Looks in dataDir for the help file of each language (and opens it as the help window does),
// the description files of every release in each language, the example files, the report
// database and the clips. Writes one line per item ("ok" or what is wrong) to out; true when
// everything is there.
bool CheckData(const QString &dataDir, QTextStream &out);

} // namespace zr::shell
