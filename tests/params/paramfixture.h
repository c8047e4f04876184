#pragma once

// Description and parameter files written into a temporary directory for the tests.

#include "ansitext.h"
#include "textgrid.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace zr::params::test {

// A data description row: "*" or another marker, then name, shown, unit, raw, min, max, step,
// multiplier separated by TABs.
inline QString DescriptionRow(const QString &marker, const QString &name, double min, double max,
                              double step, const QString &multiplier, const QString &unit = "V") {
    return marker + QStringList{name,
                                "0",
                                unit,
                                "0",
                                QString::number(min),
                                QString::number(max),
                                QString::number(step),
                                multiplier}
                        .join('\t');
}

inline QString DescriptionHeader() {
    return QStringLiteral("*Parameter\tValue\tUnit\tRaw\tMin\tMax\tStep\tMul");
}

// 40 data lines: every fourth one (3, 7, 11 ...) unmarked, so 30 are marked.
inline QStringList FortyLineDescription() {
    QStringList lines{DescriptionHeader()};
    for (int k = 0; k < 40; ++k) {
        const bool marked = k % 4 != 3;
        lines << DescriptionRow(marked ? "*" : " ", QStringLiteral("P%1").arg(k), -32768, 65535, 1,
                                "1");
    }
    return lines;
}

// Sixteen bit rows plus the header; bits listed in unused have "X" as their clear text.
inline QStringList StatusDescription(const QList<int> &unused = {}) {
    QStringList lines{QStringLiteral("Bit\tState\tOff\tOn\tValue")};
    for (int b = 0; b < 16; ++b)
        lines << QStringList{QStringLiteral("Bit %1").arg(b), "", unused.contains(b) ? "X" : "off",
                             QStringLiteral("on%1").arg(b), ""}
                     .join('\t');
    return lines;
}

// A 1024-line parameter file: line k holds 1000 + k.
inline QStringList ParameterLines(int count = 1024) {
    QStringList lines;
    for (int k = 0; k < count; ++k)
        lines << QStringLiteral(" %1 ").arg(1000 + k);
    return lines;
}

class Files {
public:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QString write(const QString &name, const QStringList &lines) const {
        QString error;
        WriteAnsiLines(path(name), lines, error);
        return path(name);
    }
    QByteArray bytes(const QString &name) const {
        QFile f(path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QStringList lines(const QString &name) const {
        QStringList l;
        QString error;
        ReadAnsiLines(path(name), l, error);
        return l;
    }

private:
    QTemporaryDir dir_;
};

// A parameter grid row as the loader makes it: name, shown, unit, raw, min, max, step, mul.
inline void AddParamRow(TextGrid &g, const QString &name, const QString &raw, double min,
                        double max, double step, const QString &mul) {
    g.AddItem(QStringList{name, "", "", raw, QString::number(min), QString::number(max),
                          QString::number(step), mul}
                  .join('\t'));
}

} // namespace zr::params::test
