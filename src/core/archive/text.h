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

/// The message shown when another workstation kept an archive busy for the whole wait.
inline const QString kArchiveBusyMessage = QStringLiteral(
    "Attenzione: l'archivio \u00E8 in uso da un'altra postazione che sta salvando una scheda.\n\r\n\r"
    "Riprovare tra qualche istante: nulla \u00E8 stato modificato.");
/// The message shown when a failed save could not be taken back.
inline const QString kSaveUncertainMessage =
    QStringLiteral("Attenzione: non \u00E8 stato possibile completare il salvataggio, ma la scheda potrebbe "
                   "essere stata registrata ugualmente.\n\r\n\rPrima di salvarla di nuovo, controllare "
                   "l'archivio (per esempio con il comando Ultima).");
/// Told once per run when the folder cannot lock its archives while a record is saved.
inline const QString kUnlockedSavesMessage =
    QStringLiteral("Attenzione: la cartella del programma non permette di bloccare l'archivio durante il "
                   "salvataggio.\n\r\n\rLe schede vengono salvate normalmente, ma se due postazioni salvano "
                   "nello stesso istante una delle due schede potrebbe andare perduta.");

/// Messages of the record commands of the data windows.
inline const QString kEmptyArchiveMessage = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kRecordUpdatedMessage =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kRecordAddedMessage =
    QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");

} // namespace orvelia
