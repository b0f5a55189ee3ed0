// What the systems share beneath the core: NativeFile over the native calls, the bounded wait
// for locks, the faults a test injects, and the replacement of a whole file.
#include "core/system/system.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/system/native.h"

namespace orvelia::sys {

namespace {

std::atomic<std::int64_t> g_lockWaitMs{10000};

struct Injection {
    std::mutex mutex;
    FaultInjector injector;
    std::atomic<bool> installed{false};
};

Injection& injection() {
    static Injection state;
    return state;
}

} // namespace

std::chrono::milliseconds lockWait() {
    return std::chrono::milliseconds(g_lockWaitMs.load());
}

void setLockWait(std::chrono::milliseconds wait) {
    g_lockWaitMs.store(wait.count());
}

void setFaultInjector(FaultInjector injector) {
    Injection& state = injection();
    std::lock_guard lock(state.mutex);
    state.injector = std::move(injector);
    state.installed.store(bool(state.injector));
}

Fault injectedFault(FileOp op, const QString& path) {
    Injection& state = injection();
    if (!state.installed.load(std::memory_order_relaxed))
        return {};
    std::lock_guard lock(state.mutex);
    return state.injector ? state.injector(op, path) : Fault{};
}

NativeFile::~NativeFile() {
    close();
}

bool NativeFile::open(const QString& path, Access access) {
    if (isOpen())
        return true;
    if (injectedFault(FileOp::Open, path).kind != Fault::None)
        return false;
    bool created = false;
    native::Handle handle = kClosed;
    if (!native::open(path, access, &handle, &created))
        return false;
    m_handle = handle;
    m_path = path;
    // A new file is there for good only once its name is on the disk too.
    if (created && !flushFolder(QFileInfo(path).absolutePath())) {
        close();
        return false;
    }
    return true;
}

bool NativeFile::readAt(char* data, qint64 length, qint64 offset) const {
    if (injectedFault(FileOp::Read, m_path).kind != Fault::None)
        return false;
    return native::read(m_handle, data, length, offset);
}

bool NativeFile::writeAt(const char* data, qint64 length, qint64 offset) {
    const Fault fault = injectedFault(FileOp::Write, m_path);
    switch (fault.kind) {
    case Fault::None:
        return native::write(m_handle, data, length, offset);
    case Fault::Fail:
        return false;
    case Fault::Short:
    case Fault::DieAfter:
    case Fault::Abandon: {
        const qint64 passed = std::clamp<qint64>(fault.bytes, 0, length);
        if (passed > 0)
            native::write(m_handle, data, passed, offset);
        if (fault.kind == Fault::DieAfter)
            std::_Exit(kInjectedDeathExitCode);
        if (fault.kind == Fault::Abandon)
            throw Abandoned{};
        return false;
    }
    case Fault::Skip:
        return true;
    case Fault::Busy:
        return false;
    }
    return false;
}

bool NativeFile::flush() {
    switch (injectedFault(FileOp::Flush, m_path).kind) {
    case Fault::None:
        return native::flush(m_handle);
    case Fault::Skip:
        return true;
    default:
        return false;
    }
}

std::optional<qint64> NativeFile::size() const {
    return native::size(m_handle);
}

bool NativeFile::resize(qint64 size) {
    if (injectedFault(FileOp::Resize, m_path).kind != Fault::None)
        return false;
    return native::resize(m_handle, size);
}

LockResult NativeFile::lock(LockKind kind, qint64 start, qint64 length) const {
    switch (injectedFault(FileOp::Lock, m_path).kind) {
    case Fault::None:
        break;
    case Fault::Skip:
        return LockResult::Unsupported;
    case Fault::Busy:
        return LockResult::Busy;
    default:
        return LockResult::Failed;
    }
    // Another copy of the program holds the range for the milliseconds of a save: ask again,
    // more and more seldom, until the wait is over.
    const auto deadline = std::chrono::steady_clock::now() + lockWait();
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        const LockResult result = native::tryLock(m_handle, kind, start, length);
        if (result != LockResult::Busy || std::chrono::steady_clock::now() >= deadline)
            return result;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void NativeFile::unlock(qint64 start, qint64 length) const {
    native::unlock(m_handle, start, length);
}

bool NativeFile::close() {
    if (!isOpen())
        return true;
    const native::Handle handle = m_handle;
    m_handle = kClosed;
    const bool failed = injectedFault(FileOp::Close, m_path).kind != Fault::None;
    return native::close(handle) && !failed;
}

bool flushFolder(const QString& folder) {
    switch (injectedFault(FileOp::FlushFolder, folder).kind) {
    case Fault::None:
        return native::flushFolder(folder);
    case Fault::Skip:
        return true;
    default:
        return false;
    }
}

bool replaceFile(const QString& path, const std::function<bool(NativeFile& fresh)>& write) {
    const QFileInfo target(path);
    const QString fresh =
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".nuovo");
    QFile::remove(fresh);
    {
        NativeFile file;
        if (!file.open(fresh, NativeFile::Access::ReadWrite))
            return false;
        if (!file.resize(0) || !write(file) || !file.flush() || !file.close()) {
            file.close();
            QFile::remove(fresh);
            return false;
        }
    }
    if (!renameOver(fresh, path)) {
        QFile::remove(fresh);
        return false;
    }
    return flushFolder(target.absolutePath());
}

bool replaceFileContents(const QString& path, const QByteArray& bytes) {
    return replaceFile(
        path, [&bytes](NativeFile& fresh) { return fresh.writeAt(bytes.constData(), bytes.size(), 0); });
}

} // namespace orvelia::sys
