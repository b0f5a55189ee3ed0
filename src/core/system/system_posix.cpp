// The core's system calls on POSIX systems (Linux).
#include "core/system/system.h"

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace orvelia::sys {

namespace {

int fdOf(std::intptr_t handle) {
    return int(handle);
}

bool setLock(int fd, short type, qint64 start, qint64 length) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(start);
    fl.l_len = off_t(length); // 0: to the end of the file and beyond
    while (::fcntl(fd, F_SETLKW, &fl) != 0) {
        if (errno == EINTR)
            continue;
        // A file system without locks: as safe as without them.
        return errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL;
    }
    return true;
}

} // namespace

NativeFile::~NativeFile() {
    close();
}

bool NativeFile::open(const QString& path, Access access) {
    if (isOpen())
        return true;
    const QByteArray name = QFile::encodeName(path);
    const int flags = access == Access::ReadWrite ? (O_RDWR | O_CREAT) : O_RDONLY;
    int fd;
    do {
        fd = ::open(name.constData(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

namespace {

// Moves all @p length bytes at @p offset with @p call (pread or pwrite), piece after piece;
// false when a call fails or moves nothing (the end of the file).
template <typename Bytes, typename Call>
bool transferAll(Call call, Bytes* data, qint64 length, qint64 offset) {
    while (length > 0) {
        const ssize_t n = call(data, std::size_t(length), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        length -= n;
        offset += n;
    }
    return true;
}

} // namespace

bool NativeFile::readAt(char* data, qint64 length, qint64 offset) const {
    const int fd = fdOf(m_handle);
    return transferAll([fd](char* at, std::size_t n, off_t from) { return ::pread(fd, at, n, from); }, data,
                       length, offset);
}

bool NativeFile::writeAt(const char* data, qint64 length, qint64 offset) {
    const int fd = fdOf(m_handle);
    return transferAll([fd](const char* at, std::size_t n, off_t from) { return ::pwrite(fd, at, n, from); },
                       data, length, offset);
}

bool NativeFile::flush() {
    int rc;
    do {
        rc = ::fdatasync(fdOf(m_handle));
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

std::optional<qint64> NativeFile::size() const {
    struct stat st {};
    if (::fstat(fdOf(m_handle), &st) != 0)
        return std::nullopt;
    return qint64(st.st_size);
}

bool NativeFile::resize(qint64 size) {
    int rc;
    do {
        rc = ::ftruncate(fdOf(m_handle), off_t(size));
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

bool NativeFile::lock(LockKind kind, qint64 start, qint64 length) const {
    return setLock(fdOf(m_handle), kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK, start, length);
}

void NativeFile::unlock(qint64 start, qint64 length) const {
    setLock(fdOf(m_handle), F_UNLCK, start, length);
}

bool NativeFile::close() {
    if (!isOpen())
        return true;
    const int fd = fdOf(m_handle);
    m_handle = kClosed;
    return ::close(fd) == 0;
}

QString executableFolder(const char* argv0) {
    const QFileInfo executable(QStringLiteral("/proc/self/exe"));
    if (executable.exists())
        return QFileInfo(executable.symLinkTarget()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

void adviseLargePages(const char* data, qsizetype size) {
    // Touching a block backed by huge pages for the first time costs a few page faults
    // instead of thousands.
    constexpr std::uintptr_t kHuge = 2u << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + std::uintptr_t(size)) & ~(kHuge - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace orvelia::sys
