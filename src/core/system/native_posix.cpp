// The core's system calls on POSIX systems (Linux).
#include "core/system/native.h"

#include <cerrno>
#include <csignal>
#include <cstdint>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace orvelia::sys {

namespace {

int fdOf(native::Handle handle) {
    return int(handle);
}

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

// Calls @p call again while a signal interrupts it.
template <typename Call> int retryInterrupted(Call call) {
    int rc;
    do {
        rc = call();
    } while (rc != 0 && errno == EINTR);
    return rc;
}

} // namespace

namespace native {

bool open(const QString& path, NativeFile::Access access, Handle* handle, bool* created) {
    const QByteArray name = QFile::encodeName(path);
    int fd = -1;
    *created = false;
    if (access == NativeFile::Access::ReadWrite) {
        // Made now, or there already: only a new name needs its folder brought to the disk.
        do {
            fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        *created = fd >= 0;
        if (fd < 0 && errno == EEXIST) {
            do {
                fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
            } while (fd < 0 && errno == EINTR);
        }
    } else {
        // Never blocks on a pipe put where an archive should be.
        do {
            fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
    }
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    *handle = fd;
    return true;
}

bool read(Handle h, char* data, qint64 length, qint64 offset) {
    const int fd = fdOf(h);
    return transferAll([fd](char* at, std::size_t n, off_t from) { return ::pread(fd, at, n, from); }, data,
                       length, offset);
}

bool write(Handle h, const char* data, qint64 length, qint64 offset) {
    const int fd = fdOf(h);
    return transferAll([fd](const char* at, std::size_t n, off_t from) { return ::pwrite(fd, at, n, from); },
                       data, length, offset);
}

bool flush(Handle h) {
    return retryInterrupted([h] { return ::fdatasync(fdOf(h)); }) == 0;
}

std::optional<qint64> size(Handle h) {
    struct stat st {};
    if (::fstat(fdOf(h), &st) != 0)
        return std::nullopt;
    return qint64(st.st_size);
}

bool resize(Handle h, qint64 size) {
    return retryInterrupted([h, size] { return ::ftruncate(fdOf(h), off_t(size)); }) == 0;
}

LockResult tryLock(Handle h, NativeFile::LockKind kind, qint64 start, qint64 length) {
    struct flock fl {};
    fl.l_type = kind == NativeFile::LockKind::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(start);
    fl.l_len = off_t(length); // 0: to the end of the file and beyond
    while (::fcntl(fdOf(h), F_SETLK, &fl) != 0) {
        switch (errno) {
        case EINTR:
            continue;
        case EACCES:
        case EAGAIN:
            return LockResult::Busy;
        case ENOLCK:
        case EOPNOTSUPP:
        case EINVAL:
            return LockResult::Unsupported;
        default:
            return LockResult::Failed;
        }
    }
    return LockResult::Locked;
}

void unlock(Handle h, qint64 start, qint64 length) {
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(start);
    fl.l_len = off_t(length);
    retryInterrupted([&] { return ::fcntl(fdOf(h), F_SETLK, &fl); });
}

bool close(Handle h) {
    return ::close(fdOf(h)) == 0;
}

bool flushFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    int fd;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    // Some file systems cannot flush a folder: they keep their names safe in their own way.
    const int rc = retryInterrupted([fd] { return ::fsync(fd); });
    const bool ok = rc == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return ok;
}

} // namespace native

bool renameOver(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
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
