#pragma once

#include <QString>

namespace orvelia {

/// Removes every leading and trailing character whose code is 32 or less.
QString trimText(const QString& text);

/// Turns a-z into A-Z and leaves every other character, accented letters included, as it is.
QString upperAscii(const QString& text);

/// The two texts of a yes/no flag (stored as the bytes 53 EC and 4E 6F).
inline const QString kYes = QStringLiteral("S\u00EC");
inline const QString kNo = QStringLiteral("No");

/// The message shown when an archive cannot be opened, read or written.
inline const QString kArchiveAccessMessage =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                   "programma.");

/// Messages of the record commands of the data windows.
inline const QString kEmptyArchiveMessage = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kRecordUpdatedMessage =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kRecordAddedMessage =
    QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");

} // namespace orvelia
