#pragma once

#include <QString>

namespace orvelia {

/// Names of the files the program keeps in its folder.
inline const QString kEmployeeArchiveName = QStringLiteral("Brenzo.pro");
inline const QString kWorkArchiveSuffix = QStringLiteral(".lav");

/// The folder of the executable, where every data file lives.
QString programFolder();

/// The employee archive in @p folder.
QString employeeArchivePath(const QString& folder);
/// The work archive of @p year (four characters) in @p folder.
QString workArchivePath(const QString& folder, const QString& year);

} // namespace orvelia
