#pragma once

#include <QString>

namespace orvelia {

/// Names of the files the program keeps in its folder.
inline const QString kEmployeeArchiveName = QStringLiteral("Brenzo.pro");
inline const QString kWorkArchiveSuffix = QStringLiteral(".lav");

/// The folder of the executable, where every data file lives (or the one set by setProgramFolder).
QString programFolder();
/// Makes @p folder the program folder; an empty text goes back to the folder of the executable.
void setProgramFolder(const QString& folder);

/// The employee archive in @p folder.
QString employeeArchivePath(const QString& folder);
/// The work archive of @p year (four characters) in @p folder.
QString workArchivePath(const QString& folder, const QString& year);

} // namespace orvelia
