#pragma once

#include <QString>

class QIODevice;

namespace orvelia {

/// Name of the folder, inside the program folder, that holds every attached document.
inline const QString kAttachmentFolderName = QStringLiteral("Documenti_Allegati");

/// The attachments folder of @p programFolder.
QString attachmentFolder(const QString& programFolder);

/**
 * True when @p name can only mean a file directly inside the attachments
 * folder: not empty, not "." or "..", and without '/', '\\' or ':' (a drive
 * letter). Names read from a record pass through here before they are used,
 * so a damaged or foreign record cannot point at a file elsewhere.
 */
bool isPlainFileName(const QString& name);

/// Path of the attachment @p name in the attachments folder of @p programFolder; @p name must be plain.
QString attachmentPath(const QString& programFolder, const QString& name);

/// The most bytes a stored attachment name takes: the capacity of the record fields that keep it.
inline constexpr int kMaxAttachmentNameBytes = 250;

/**
 * The name a chosen file @p chosenName is stored under in @p folder, one the record keeps
 * exactly: each character Windows-1252 cannot hold becomes '_', blanks at both ends go, a name
 * longer than kMaxAttachmentNameBytes is shortened before its extension. A name that had to change
 * is also made unique in the folder (" (2)", " (3)", ... before the extension), so it never
 * stands for another document; a name that needs no change is returned as it is.
 */
QString storedAttachmentName(const QString& chosenName, const QString& folder);

/// What went wrong while storing an attachment.
enum class AttachmentError {
    None,
    Folder, ///< the attachments folder is missing and cannot be created
    Source, ///< the chosen file is not a readable regular file, or reading it failed
    Write,  ///< the copy could not be written or put in place (disk full, no rights, ...)
};

/// Creates the attachments folder of @p programFolder, with any missing parents, unless it exists.
AttachmentError ensureAttachmentFolder(const QString& programFolder);

/**
 * Copies everything @p source yields into @p destination. The bytes go to a
 * temporary file beside the destination, which replaces it only once the whole
 * copy has been written and flushed: on any failure the file that was there
 * before is left as it was, and no temporary file stays behind.
 */
AttachmentError copyReplacing(QIODevice& source, const QString& destination);

/// Copies the file @p sourcePath into @p destination as copyReplacing() does; the source must be
/// a regular file. Copying a file onto itself leaves it as it was.
AttachmentError copyFileReplacing(const QString& sourcePath, const QString& destination);

} // namespace orvelia
