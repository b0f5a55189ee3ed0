// The core's system calls on Windows: wide-character paths, LockFileEx byte-range locks over
// the same ranges the POSIX build locks, FlushFileBuffers, MoveFileEx for replacing a file.
#include "core/system/native.h"

#include <algorithm>
#include <vector>

#include <windows.h>

#include <QDir>
#include <QFileInfo>

namespace orvelia::sys {

namespace {

HANDLE handleOf(native::Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// One call reads or writes at most this much; longer transfers are split.
constexpr qint64 kMostPerCall = 1 << 30;

OVERLAPPED at(qint64 offset) {
    OVERLAPPED where{};
    where.Offset = DWORD(quint64(offset) & 0xFFFFFFFFu);
    where.OffsetHigh = DWORD(quint64(offset) >> 32);
    return where;
}

// A length of 0 reaches past the end, however the file grows: the whole 64-bit range.
quint64 spanOf(qint64 length) {
    return length == 0 ? ~quint64(0) : quint64(length);
}

// The name the wide functions take: native separators, and the long-path form for
// a name past the classic limit of 260 characters.
std::wstring systemName(const QString& path) {
    QString name = QDir::toNativeSeparators(path);
    if (name.size() >= MAX_PATH - 12 && !name.startsWith(QLatin1String("\\\\?\\"))) {
        name = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        if (name.startsWith(QLatin1String("\\\\")))
            name = QLatin1String("\\\\?\\UNC\\") + name.mid(2);
        else
            name = QLatin1String("\\\\?\\") + name;
    }
    return name.toStdWString();
}

// Moves all @p length bytes at @p offset with @p call (ReadFile or WriteFile), piece after piece;
// false when a call fails or moves nothing (the end of the file).
template <typename Bytes, typename Call>
bool transferAll(Call call, Bytes* data, qint64 length, qint64 offset) {
    while (length > 0) {
        OVERLAPPED where = at(offset);
        DWORD n = 0;
        if (!call(data, DWORD(std::min(length, kMostPerCall)), &n, &where) || n == 0)
            return false;
        data += n;
        length -= n;
        offset += n;
    }
    return true;
}

} // namespace

namespace native {

bool open(const QString& path, NativeFile::Access access, Handle* handle, bool* created) {
    const bool write = access == NativeFile::Access::ReadWrite;
    // Other copies of the program may have the file open at the same time: they share it.
    const HANDLE h =
        ::CreateFileW(systemName(path).c_str(), write ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      write ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    *created = write && ::GetLastError() != ERROR_ALREADY_EXISTS;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::CloseHandle(h);
        return false;
    }
    *handle = reinterpret_cast<Handle>(h);
    return true;
}

bool read(Handle h, char* data, qint64 length, qint64 offset) {
    const HANDLE file = handleOf(h);
    return transferAll([file](char* to, DWORD n, DWORD* done,
                              OVERLAPPED* where) { return ::ReadFile(file, to, n, done, where); },
                       data, length, offset);
}

bool write(Handle h, const char* data, qint64 length, qint64 offset) {
    const HANDLE file = handleOf(h);
    return transferAll([file](const char* from, DWORD n, DWORD* done,
                              OVERLAPPED* where) { return ::WriteFile(file, from, n, done, where); },
                       data, length, offset);
}

bool flush(Handle h) {
    return ::FlushFileBuffers(handleOf(h)) != 0;
}

std::optional<qint64> size(Handle h) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handleOf(h), &size))
        return std::nullopt;
    return qint64(size.QuadPart);
}

bool resize(Handle h, qint64 size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return ::SetFileInformationByHandle(handleOf(h), FileEndOfFileInfo, &end, sizeof end) != 0;
}

LockResult tryLock(Handle h, NativeFile::LockKind kind, qint64 start, qint64 length) {
    OVERLAPPED where = at(start);
    const quint64 span = spanOf(length);
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (kind == NativeFile::LockKind::Exclusive)
        flags |= LOCKFILE_EXCLUSIVE_LOCK;
    if (::LockFileEx(handleOf(h), flags, 0, DWORD(span & 0xFFFFFFFFu), DWORD(span >> 32), &where))
        return LockResult::Locked;
    switch (::GetLastError()) {
    case ERROR_LOCK_VIOLATION:
    case ERROR_IO_PENDING:
        return LockResult::Busy;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_CALL_NOT_IMPLEMENTED:
        return LockResult::Unsupported;
    default:
        return LockResult::Failed;
    }
}

void unlock(Handle h, qint64 start, qint64 length) {
    OVERLAPPED where = at(start);
    const quint64 span = spanOf(length);
    ::UnlockFileEx(handleOf(h), 0, DWORD(span & 0xFFFFFFFFu), DWORD(span >> 32), &where);
}

bool close(Handle h) {
    return ::CloseHandle(handleOf(h)) != 0;
}

bool flushFolder(const QString&) {
    // NTFS keeps the names of a folder in its own journal; Windows offers no flush of a folder
    // to a program without special rights.
    return true;
}

} // namespace native

bool renameOver(const QString& from, const QString& to) {
    return ::MoveFileExW(systemName(from).c_str(), systemName(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void prepareProcess() {
    // Windows has no signal for a file past a size limit: a write simply fails.
}

QString executableFolder(const char* argv0) {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (n == 0)
            return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
        if (n < name.size())
            return QFileInfo(QString::fromWCharArray(name.data(), int(n))).absolutePath();
        name.resize(name.size() * 2);
    }
}

void adviseLargePages(const char*, qsizetype) {
    // Windows gives large pages only to programs with a special privilege: nothing to advise.
}

} // namespace orvelia::sys
