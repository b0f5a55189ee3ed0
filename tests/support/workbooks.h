#pragma once

// Reading a workbook back with an independent reader: openpyxl (Debian python3-openpyxl) through
// tests/support/read_xlsx.py, which prints what it sees as JSON.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace orvelia::test {

/// The system's Python, with the system's openpyxl, before any other on the path.
inline QString systemPython() {
    const QString python = QStandardPaths::findExecutable(
        QStringLiteral("python3"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    return python.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : python;
}

/// True when the reader can run here (the Windows build's tests run where it cannot).
inline bool canReadWorkbooks() {
    const QString python = systemPython();
    return !python.isEmpty() &&
           QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) == 0;
}

inline constexpr char kNoWorkbookReader[] =
    "python3 with openpyxl is not available here to read the workbook back";

/// The workbook at @p path as the reader sees it: sheets, freeze, filter, widths, headerBold, rows of
/// cells with type (d, n, s or empty), value and format.
inline QJsonObject readWorkbook(const QString& path) {
    QProcess reader;
    reader.start(systemPython(), {QStringLiteral(XLSX_READER), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        ADD_FAILURE() << reader.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

} // namespace orvelia::test
