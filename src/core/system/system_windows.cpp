// The core's system calls on Windows: wide-character paths, LockFileEx byte-range
// locks over the same ranges the POSIX build locks, FlushFileBuffers.
#include "core/system/system.h"

#include <algorithm>
#include <vector>

#include <windows.h>

#include <QDir>
#include <QFileInfo>

namespace orvelia::sys {

namespace {

HANDLE handleOf(std::intptr_t handle) {
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

bool lockingUnsupported(DWORD error) {
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
           error == ERROR_CALL_NOT_IMPLEMENTED;
}

} // namespace

NativeFile::~NativeFile() {
    close();
}

bool NativeFile::open(const QString& path, Access access) {
    if (isOpen())
        return true;
    const bool write = access == Access::ReadWrite;
    // Other copies of the program may have the file open at the same time: they share it.
    const HANDLE h =
        ::CreateFileW(systemName(path).c_str(), write ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      write ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::CloseHandle(h);
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    return true;
}

namespace {

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

bool NativeFile::readAt(char* data, qint64 length, qint64 offset) const {
    const HANDLE h = handleOf(m_handle);
    return transferAll(
        [h](char* to, DWORD n, DWORD* done, OVERLAPPED* where) { return ::ReadFile(h, to, n, done, where); },
        data, length, offset);
}

bool NativeFile::writeAt(const char* data, qint64 length, qint64 offset) {
    const HANDLE h = handleOf(m_handle);
    return transferAll([h](const char* from, DWORD n, DWORD* done,
                           OVERLAPPED* where) { return ::WriteFile(h, from, n, done, where); },
                       data, length, offset);
}

bool NativeFile::flush() {
    return ::FlushFileBuffers(handleOf(m_handle)) != 0;
}

std::optional<qint64> NativeFile::size() const {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handleOf(m_handle), &size))
        return std::nullopt;
    return qint64(size.QuadPart);
}

bool NativeFile::resize(qint64 size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return ::SetFileInformationByHandle(handleOf(m_handle), FileEndOfFileInfo, &end, sizeof end) != 0;
}

bool NativeFile::lock(LockKind kind, qint64 start, qint64 length) const {
    OVERLAPPED where = at(start);
    // A length of 0 reaches past the end, however the file grows: the whole 64-bit range.
    const quint64 span = length == 0 ? ~quint64(0) : quint64(length);
    const DWORD flags = kind == LockKind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0;
    if (::LockFileEx(handleOf(m_handle), flags, 0, DWORD(span & 0xFFFFFFFFu), DWORD(span >> 32), &where))
        return true;
    return lockingUnsupported(::GetLastError());
}

void NativeFile::unlock(qint64 start, qint64 length) const {
    OVERLAPPED where = at(start);
    const quint64 span = length == 0 ? ~quint64(0) : quint64(length);
    ::UnlockFileEx(handleOf(m_handle), 0, DWORD(span & 0xFFFFFFFFu), DWORD(span >> 32), &where);
}

bool NativeFile::close() {
    if (!isOpen())
        return true;
    const HANDLE h = handleOf(m_handle);
    m_handle = kClosed;
    return ::CloseHandle(h) != 0;
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
