#pragma once
// Data tables in a line a column set and a line a row, so a table reads like the table it is.
#include <QTest>

namespace zr::test {

// columns<int, QString>("lang", "text") declares the columns of a data table in order.
template <typename... T, typename... Name> void columns(Name... names) {
    static_assert(sizeof...(T) == sizeof...(Name), "one name for each column");
    (QTest::addColumn<T>(names), ...);
}

// row("name", 1, "text") adds one row; a string literal fills a QString column.
template <typename... V> void row(const char *name, V... values) {
    (QTest::newRow(name) << ... << values);
}

// A table with a single bool column: the first row is false, the second true.
inline void flagRows(const char *column, const char *whenFalse, const char *whenTrue) {
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}

} // namespace zr::test

// Every data table uses them, so they are in reach without a using line in each test.
using zr::test::columns;
using zr::test::flagRows;
using zr::test::row;
