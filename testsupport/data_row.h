#pragma once

#include <QString>
#include <QTest>

namespace testsupport {

inline QString column(const char* text) {
    return QString::fromUtf8(text);
}
template <typename T> const T& column(const T& value) {
    return value;
}

// Adds a data row named after its first column; text columns are QStrings.
template <typename... Rest> void row(const char* first, const Rest&... rest) {
    QTestData& data = QTest::newRow(first) << column(first);
    ((data << column(rest)), ...);
}

} // namespace testsupport
