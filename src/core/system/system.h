#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

/**
 * The operating system beneath the core: open files with byte-range locks, and
 * the little else the core asks of the system. One implementation for POSIX
 * systems (system_posix.cpp) and one for Windows (system_windows.cpp); the build
 * takes the one of its target, so no other file needs to know which it is.
 * What both share (the lock wait, injected faults, whole-file replacement) is in
 * system.cpp.
 */
namespace orvelia::sys {

/// How a byte-range lock came out.
enum class LockResult {
    Locked,      ///< held until unlock()
    Unsupported, ///< the file system cannot lock (a network share answering ENOLCK): nothing held
    Busy,        ///< another process held the range for the whole of lockWait()
    Failed,      ///< the system refused for another reason
};

/// An open file of the operating system. Closed by its destructor when still open.
class NativeFile {
public:
    enum class Access { ReadWrite, ReadOnly };
    enum class LockKind { Shared, Exclusive };

    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    /**
     * Opens a regular file; ReadWrite creates a missing file empty and then brings the new name
     * in its folder to the disk. False when the file cannot be opened or is not a regular file
     * (a folder, a device, a pipe).
     */
    bool open(const QString& path, Access access);
    bool isOpen() const { return m_handle != kClosed; }
    const QString& path() const { return m_path; }
    /// Reads exactly @p length bytes at @p offset; false when a read fails or the file ends first.
    bool readAt(char* data, qint64 length, qint64 offset) const;
    /// Writes exactly @p length bytes at @p offset; false when a write fails or stops short.
    bool writeAt(const char* data, qint64 length, qint64 offset);
    /// Brings the data written so far to the disk.
    bool flush();
    /// The size of the file in bytes.
    std::optional<qint64> size() const;
    /// Cuts the file to (or lengthens it to) @p size bytes.
    bool resize(qint64 size);
    /**
     * Takes a byte-range lock over @p length bytes from @p start, waiting at most lockWait()
     * while another process holds it; a length of 0 reaches past the end of the file, however
     * it grows.
     */
    LockResult lock(LockKind kind, qint64 start, qint64 length) const;
    /// Releases a lock taken with the same range.
    void unlock(qint64 start, qint64 length) const;
    /// Closes the file; false when the system reports a failure.
    bool close();

private:
    bool openHandle(const QString& path, Access access, bool* created);
    LockResult tryLock(LockKind kind, qint64 start, qint64 length) const;

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t m_handle = kClosed; // a descriptor or a HANDLE
    QString m_path;
};

/// The longest a lock is waited for before the command gives up (default 10 seconds).
std::chrono::milliseconds lockWait();
void setLockWait(std::chrono::milliseconds wait);

/// Brings the names in @p folder (a file created, renamed or removed there) to the disk.
bool flushFolder(const QString& folder);

/**
 * Has @p write fill a new file beside @p path, brings it to the disk and puts it in place of
 * @p path in one step, then brings the folder to the disk: the file holds either its old
 * contents or all the new ones, whatever happens. False, with @p path untouched and no new file
 * left behind, when @p write returns false or any step fails.
 */
bool replaceFile(const QString& path, const std::function<bool(NativeFile& fresh)>& write);
/// replaceFile() with @p bytes as the new contents.
bool replaceFileContents(const QString& path, const QByteArray& bytes);

/// Puts the file @p from in place of @p to in one step (a rename over it).
bool renameOver(const QString& from, const QString& to);

/**
 * What every program does first: on POSIX systems a write past the file size limit fails
 * with an error instead of ending the process (SIGXFSZ ignored), so the user is told.
 */
void prepareProcess();

/// The folder of the running executable, found from the system, or from @p argv0 where it cannot say.
QString executableFolder(const char* argv0);

/// Gives the system leave to back a large block of memory with large pages (a hint, nothing more).
void adviseLargePages(const char* data, qsizetype size);

/// The operations of a NativeFile that a test may make fail.
enum class FileOp { Open, Read, Write, Flush, Resize, Lock, Close, FlushFolder };

/// A failure a test injects into one operation.
struct Fault {
    enum Kind {
        None,     ///< the operation runs as usual
        Fail,     ///< the operation fails at once
        Short,    ///< a write passes its first @p bytes, then fails
        DieAfter, ///< a write passes its first @p bytes, then the process ends at once
        Abandon,  ///< a write passes its first @p bytes, then throws Abandoned, as if the process ended
        Skip,     ///< the operation is reported done without being done (a flush), or a lock unsupported
        Busy      ///< a lock is held by another process for the whole wait
    } kind = None;
    qint64 bytes = 0;
};

/// Decides the fault of each operation on the file at the path it is given.
using FaultInjector = std::function<Fault(FileOp op, const QString& path)>;

/**
 * Installs @p injector for the operations of every NativeFile of this process (tests only;
 * an empty function removes it).
 */
void setFaultInjector(FaultInjector injector);
/// The fault for @p op on @p path: none unless a test installed an injector.
Fault injectedFault(FileOp op, const QString& path);

/// Thrown by a write with Fault::Abandon: the command stops where a dying process would.
struct Abandoned {};

/// The exit code of a process ended by Fault::DieAfter.
inline constexpr int kInjectedDeathExitCode = 86;

} // namespace orvelia::sys
