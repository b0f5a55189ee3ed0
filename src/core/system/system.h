#pragma once

#include <cstdint>
#include <optional>

#include <QString>

/**
 * The operating system beneath the core: open files with byte-range locks, and
 * the little else the core asks of the system. One implementation for POSIX
 * systems (system_posix.cpp) and one for Windows (system_windows.cpp); the build
 * takes the one of its target, so no other file needs to know which it is.
 */
namespace orvelia::sys {

/// An open file of the operating system. Closed by its destructor when still open.
class NativeFile {
public:
    enum class Access { ReadWrite, ReadOnly };
    enum class LockKind { Shared, Exclusive };

    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    /// Opens a regular file; ReadWrite creates a missing file empty. False when the file cannot be
    /// opened or is not a regular file (a folder, a device).
    bool open(const QString& path, Access access);
    bool isOpen() const { return m_handle != kClosed; }
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
     * Waits for a byte-range lock over @p length bytes from @p start; a length of 0 reaches
     * past the end of the file, however it grows. True also where the file system cannot lock
     * at all: the program is then as safe as it would be without locks.
     */
    bool lock(LockKind kind, qint64 start, qint64 length) const;
    /// Releases a lock taken with the same range.
    void unlock(qint64 start, qint64 length) const;
    /// Closes the file; false when the system reports a failure.
    bool close();

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t m_handle = kClosed; // a descriptor or a HANDLE
};

/// The folder of the running executable, found from the system, or from @p argv0 where it cannot say.
QString executableFolder(const char* argv0);

/// Gives the system leave to back a large block of memory with large pages (a hint, nothing more).
void adviseLargePages(const char* data, qsizetype size);

} // namespace orvelia::sys
