#pragma once

#include <functional>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QString>

#include "core/archive/layout.h"
#include "core/system/system.h"

namespace orvelia {

/// Why an archive command failed. Every step of a command is checked.
enum class ArchiveError {
    None,
    Open,       ///< the file could not be opened or created for reading and writing
    Lock,       ///< the byte-range lock could not be taken
    Size,       ///< the size of the file could not be read
    Read,       ///< a read failed or came back short
    Write,      ///< a write failed
    Flush,      ///< the data could not be flushed to the disk
    Close,      ///< closing the file failed
    OutOfRange, ///< the record number is not that of a record in the file
    NotOpen,    ///< the file is not open
    Busy,       ///< another copy of the program held the archive for the whole of the lock wait
    Uncertain,  ///< a failed save could not be taken back: the record may be in the archive
    Recover,    ///< an interrupted save found in the archive's journal could not be undone
};

/// Short description of an error, for diagnostics (never shown to the user).
const char* describe(ArchiveError error);

/// A value or the error that prevented it.
template <typename T> class ArchiveResult {
public:
    ArchiveResult(T value)
        : m_value(std::move(value)) {}
    ArchiveResult(ArchiveError error)
        : m_error(error) {}

    bool ok() const { return m_error == ArchiveError::None; }
    explicit operator bool() const { return ok(); }
    ArchiveError error() const { return m_error; }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const T& operator*() const { return *m_value; }

private:
    std::optional<T> m_value;
    ArchiveError m_error = ArchiveError::None;
};

/// Called for each record of a scan with its 1-based number; return false to stop.
using ScanVisitor = std::function<bool(qint64 number, const RecordView& record)>;

/**
 * A file of fixed-size records with no header: record k (1-based) starts at
 * byte (k - 1) x size, and the count is the file size divided by the record
 * size, rounded down (a torn tail is neither counted nor read).
 *
 * One object serves one command: open, work, close. Appends and overwrites
 * hold an exclusive byte-range lock from before the count is read until the
 * data has reached the disk, so copies of the program sharing the folder never
 * write over each other's new records; a lock is waited for a bounded time
 * (sys::lockWait()). The destructor closes a file left open.
 *
 * A save that fails or is interrupted leaves the archive as it was: a failed
 * append is cut back to the size before it; an overwrite first keeps the old
 * record in a journal beside the archive (journalPath()), brought to the disk
 * before the record is touched and removed once the new record is on the disk,
 * and every opening that finds a journal puts the old record back first.
 */
class RecordFile {
public:
    RecordFile(QString path, const RecordLayout& layout);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    /// Opens the file for reading and writing; a missing file is created empty.
    ArchiveError open();
    /// Opens an existing file for reading only (scans, counts and reads); a missing file is not created.
    ArchiveError openExisting();
    /// Number of whole records in the file.
    ArchiveResult<qint64> count() const;
    /// Size of the file in bytes, a torn tail included.
    ArchiveResult<qint64> byteSize() const;
    /// Reads record @p number (1 to count).
    ArchiveResult<Record> read(qint64 number) const;
    /// Replaces record @p number (1 to count) as a whole, flushed to the disk on success.
    ArchiveError overwrite(qint64 number, const Record& record);
    /// Writes @p record after the last whole record; returns its number once it is on the disk.
    ArchiveResult<qint64> append(const Record& record);
    /// Visits every record from the first to the last, reading many records per system call.
    ArchiveError scan(const ScanVisitor& visit) const;
    /// Called for each block of a block scan: its first record (0-based), how many records it holds
    /// and their bytes, one after the other; return false to stop.
    using BlockVisitor = std::function<bool(qint64 first, qint64 count, const char* data)>;
    /**
     * Visits the first @p total records in blocks, each block read under a shared lock of its
     * range as scan() reads them; a block past the end of the file is a read failure.
     */
    ArchiveError scanBlocks(qint64 total, const BlockVisitor& visit) const;
    /// The file as it stands: its whole records and the bytes of a torn tail after them.
    struct Snapshot {
        qint64 records = 0;
        QByteArray tail;
    };
    /**
     * Counts the records and reads the torn tail under a shared lock over the whole file, so a
     * save in progress on another workstation finishes first.
     */
    ArchiveResult<Snapshot> snapshot() const;
    /// Closes the file.
    ArchiveError close();

    /// Where the last successful append of this object put its record, to take it back.
    struct AppendUndo {
        qint64 offset = -1; ///< where the record starts
        QByteArray tail;    ///< the bytes of a torn tail the record was written over
        QByteArray record;  ///< the record's bytes
    };
    const AppendUndo& lastAppend() const { return m_lastAppend; }
    /**
     * Takes back the append @p undo describes when the archive still ends with that record:
     * the file is cut back to its size before the append. Uncertain when it does not.
     */
    ArchiveError undoAppend(const AppendUndo& undo);

    bool isOpen() const { return m_file.isOpen(); }
    const QString& path() const { return m_path; }
    const RecordLayout& layout() const { return *m_layout; }

private:
    ArchiveError writeAt(qint64 offset, const QByteArray& bytes);

    QString m_path;
    const RecordLayout* m_layout;
    sys::NativeFile m_file;
    AppendUndo m_lastAppend;
};

/// The journal that keeps the old record of an overwrite in progress beside archive @p archivePath.
QString journalPath(const QString& archivePath);

/**
 * Puts back the old record kept by the journal of @p archivePath, if there is one: an overwrite
 * that was interrupted. A journal cut short was never followed by a write and is only removed.
 * Done under the locks the savers take; every opening of an archive does it first.
 */
ArchiveError recoverJournal(const QString& archivePath, int recordSize);

/// One-command helpers: each opens the file, does its work and closes it again.
namespace archive {
/**
 * True once, the first time after a save of this process went on without the byte-range
 * lock because the file system cannot lock (a network share answering ENOLCK): the user is
 * to be told that two workstations saving at the same moment are not kept apart.
 */
bool takeUnlockedSaveNotice();

/// Told how far a scan has come: the file, the records visited and the records in all.
using ScanProgress = std::function<void(const QString& path, qint64 done, qint64 total)>;
/**
 * Sets the observer told of the progress of every scan of this process: once
 * before the first record, after each block and once at the end. An empty
 * function removes it.
 */
void setScanProgress(ScanProgress progress);

ArchiveResult<qint64> count(const QString& path, const RecordLayout& layout);
ArchiveResult<Record> read(const QString& path, qint64 number, const RecordLayout& layout);
ArchiveError overwrite(const QString& path, qint64 number, const Record& record);
ArchiveResult<qint64> append(const QString& path, const Record& record);
ArchiveError scan(const QString& path, const RecordLayout& layout, const ScanVisitor& visit);
} // namespace archive

} // namespace orvelia
