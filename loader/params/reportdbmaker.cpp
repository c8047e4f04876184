// Builds the report database from its SQL script at build time:
//   zr_reportdb_maker SCRIPT DATABASE
#include "reportdb.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: zr_reportdb_maker SCRIPT DATABASE\n";
        return 1;
    }
    QString error;
    if (!zr::params::CreateReportDatabase(args[1], args[2], error)) {
        QTextStream(stderr) << "zr_reportdb_maker: " << error << "\n";
        return 2;
    }
    return 0;
}
