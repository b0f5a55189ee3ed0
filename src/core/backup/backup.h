#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/backup/manifest.h"

/**
 * Safety copies of the program folder: one zip file holding every archive, the password
 * store and the attached documents, with a manifest that describes each of them. A copy is
 * made while other workstations may be saving: each archive is read under the same
 * byte-range locks a save takes, so the copy holds whole records only. A copy is reported
 * made only after it was read back and found equal to what was read; a restore checks every
 * entry before it touches the folder and keeps a copy of what it replaces.
 */
namespace orvelia::backup {

/// Why a copy or a restore did not happen.
enum class Error {
    None,
    Destination, ///< the destination folder is missing, not a folder, or cannot take the copy
    Busy,        ///< another workstation held an archive for the whole of the lock wait
    ReadArchive, ///< an archive could not be read
    ReadFile,    ///< the password store or a document could not be read, or changed while read
    Write,       ///< the copy could not be written (a full disk, a removed medium, the zip library)
    Check,       ///< the copy read back differs from what was read: not kept
    NotFound,    ///< the copy to restore is missing or cannot be read
    Damaged,     ///< the copy is no zip, is cut short, or an entry differs from its manifest
    Foreign,     ///< the zip has no manifest of this program
    Unsafe,      ///< the zip holds a name the program does not keep (one that could reach outside the folder)
    NeedsReplace, ///< the folder holds data and replacing it was not allowed
    SafetyCopy,   ///< the copy of what the folder held could not be made
    Target,       ///< the folder could not be written
    Uncertain,    ///< replacing stopped half way and the files could not all be put back
};

enum class Operation { Backup, Restore };

/// How a copy or a restore came out.
struct Outcome {
    Operation operation = Operation::Backup;
    Error error = Error::None;
    QString file;       ///< the copy made, or the copy restored
    QString detail;     ///< the file or folder concerned, or the zip library's words
    QString entry;      ///< the entry of the copy that is missing, differs or is not allowed
    Manifest manifest;  ///< what the copy holds
    QString safetyCopy; ///< a restore: where what the folder held was kept (empty when it held no data)
    /// A safety copy that failed: why.
    std::optional<Error> safetyError;
    QString safetyDetail;

    bool ok() const { return error == Error::None; }
};

/// Told how far a copy or a restore has come, in bytes read and written of all it will.
using Progress = std::function<void(qint64 done, qint64 total)>;

/// The file name of a copy made at @p when: Orvelia-copia-AAAA-MM-GG-hhmmss.zip.
QString fileNameFor(const QDateTime& when);

/// Makes a copy of the program folder @p folder in the folder @p destination.
Outcome makeBackup(const QString& folder, const QString& destination, const QDateTime& now,
                   const Progress& progress = {});

/// Reads the manifest of the copy @p zipPath and checks the names it holds, without reading the entries.
Outcome inspectBackup(const QString& zipPath);

/// Reads the copy @p zipPath through and checks every entry against its manifest; writes nothing.
Outcome checkBackup(const QString& zipPath, const Progress& progress = {});

/// Whether @p folder holds archives or attached documents that a restore would replace.
bool holdsData(const QString& folder);

/**
 * Puts the files of the copy @p zipPath in @p folder, after every entry was checked. When the
 * folder holds data, only with @p replace, and after a copy of what is there was made beside
 * @p zipPath. Files of the folder that the copy does not hold stay as they are.
 */
Outcome restoreBackup(const QString& zipPath, const QString& folder, bool replace, const QDateTime& now,
                      const Progress& progress = {});

/// What to tell the user about @p outcome, in Italian: the result or the failure.
QString message(const Outcome& outcome);

/// The folder copies are made in, remembered in the settings of @p folder (empty when none was chosen).
QString savedDestination(const QString& folder);
bool saveDestination(const QString& folder, const QString& destination);
/// When the last copy of @p folder was made, if one was.
std::optional<QDateTime> lastBackup(const QString& folder);
/// True when no copy was ever made (@p last empty) or the last one is seven days old or older.
bool reminderDue(const std::optional<QDateTime>& last, const QDateTime& now);
/// reminderDue() of the last copy of @p folder.
bool reminderDue(const QString& folder, const QDateTime& now);

} // namespace orvelia::backup
